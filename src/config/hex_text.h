// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/table_entries.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace corvane {

// Where a text parser stopped: bytes stored, the position of the first character not consumed, and the
// characters left from there.
struct TextScan {
    std::size_t count = 0;
    std::size_t stop = 0;
    std::size_t left = 0;
};

// Two upper-case digits per byte, high nibble first, while the destination has room (an odd capacity gives
// the last byte only its high digit). No terminator. Returns the characters written.
std::size_t HexEncode(std::span<const std::uint8_t> source, std::span<char> destination);

// Leading white space, then pairs of hexadecimal digits; bytes beyond the destination's size are read but not
// stored. True when the rest of the text is made of whole pairs.
bool HexDecode(std::string_view text, std::span<std::uint8_t> destination, TextScan* scan = nullptr);

// Twelve hexadecimal digits, with ':', '-' and ' ' allowed anywhere among them; the destination is written
// only when twelve digits are found. Text after the twelfth digit is not examined.
bool ParseMacAddress(std::string_view text, MacAddress& destination, TextScan* scan = nullptr);

// "%02X:%02X:%02X:%02X:%02X:%02X", first byte first.
std::string FormatMacAddress(const MacAddress& address);

} // namespace corvane
