// SPDX-License-Identifier: Apache-2.0
#include "config/windows_1252.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace corvane {
namespace {

// Bytes 0x80 to 0x9F; the rest of the code page is Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// The next character of `utf8` from `at`, advancing `at`; U+FFFD for a malformed, overlong or surrogate
// sequence.
char32_t NextCodePoint(std::string_view utf8, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(utf8[at++]);
    if (lead < 0x80) {
        return lead;
    }
    int more = 0;
    char32_t c = 0;
    char32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        more = 1, c = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        more = 2, c = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        more = 3, c = lead & 0x07, least = 0x10000;
    } else {
        return kReplacement;
    }
    for (; more > 0; --more) {
        if (at >= utf8.size() || (static_cast<unsigned char>(utf8[at]) & 0xC0) != 0x80) {
            return kReplacement;
        }
        c = (c << 6) | (static_cast<unsigned char>(utf8[at++]) & 0x3F);
    }
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return kReplacement;
    }
    return c;
}

} // namespace

char32_t Windows1252ToCodePoint(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char32_t{byte};
}

bool CodePointToWindows1252(char32_t codePoint, unsigned char& byte) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        byte = static_cast<unsigned char>(codePoint);
        return true;
    }
    const auto* found = std::find(kHighControls.begin(), kHighControls.end(), codePoint);
    if (found == kHighControls.end()) {
        return false;
    }
    byte = static_cast<unsigned char>(0x80 + std::distance(kHighControls.begin(), found));
    return true;
}

std::string Windows1252ToUtf8(std::string_view bytes) {
    std::string utf8;
    utf8.reserve(bytes.size());
    for (const char byte : bytes) {
        AppendUtf8(utf8, Windows1252ToCodePoint(static_cast<unsigned char>(byte)));
    }
    return utf8;
}

bool Utf8ToWindows1252(std::string_view utf8, std::string& bytes, char32_t* refused) {
    std::string converted;
    converted.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size();) {
        const char32_t c = NextCodePoint(utf8, at);
        unsigned char byte = 0;
        if (c == kReplacement || !CodePointToWindows1252(c, byte)) {
            if (refused != nullptr) {
                *refused = c;
            }
            return false;
        }
        converted += static_cast<char>(byte);
    }
    bytes = std::move(converted);
    return true;
}

} // namespace corvane
