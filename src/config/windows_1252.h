// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string>
#include <string_view>

namespace corvane {

// Station text (names, descriptions, passwords, secrets, network passwords) is Windows-1252 bytes, as the
// stations and the files of the earlier utility hold it; people type and read Unicode. Every edge converts
// through these. Every byte has a character: the five bytes the code page leaves unassigned stand for the C1
// control characters of the same number, as Windows reads them, so any byte string survives a round trip.

// The character that `byte` stands for.
char32_t Windows1252ToCodePoint(unsigned char byte);
// The byte for `codePoint`; false when Windows-1252 cannot hold it.
bool CodePointToWindows1252(char32_t codePoint, unsigned char& byte);

std::string Windows1252ToUtf8(std::string_view bytes);
// False when `utf8` is malformed or holds a character Windows-1252 cannot hold; `bytes` is then left as it
// was and `refused` (when given) gets that character, U+FFFD for a malformed sequence. Nothing is replaced.
bool Utf8ToWindows1252(std::string_view utf8, std::string& bytes, char32_t* refused = nullptr);

} // namespace corvane
