// SPDX-License-Identifier: Apache-2.0
#include "config/hex_text.h"

#include <cstdio>

namespace corvane {

namespace {

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::size_t SkipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) {
        ++i;
    }
    return i;
}

void Report(TextScan* scan, std::size_t count, std::size_t stop, std::size_t size) {
    if (scan) {
        *scan = {count, stop, size - stop};
    }
}

} // namespace

std::size_t HexEncode(std::span<const std::uint8_t> source, std::span<char> destination) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::size_t written = 0;
    for (std::uint8_t byte : source) {
        for (int nibble : {byte >> 4, byte & 0xF}) {
            if (written == destination.size()) {
                return written;
            }
            destination[written++] = kDigits[nibble];
        }
    }
    return written;
}

bool HexDecode(std::string_view text, std::span<std::uint8_t> destination, TextScan* scan) {
    std::size_t i = SkipBlanks(text);
    std::size_t stored = 0;
    for (; i < text.size(); i += 2) {
        const int high = HexDigitValue(text[i]);
        const int low = i + 1 < text.size() ? HexDigitValue(text[i + 1]) : -1;
        if (high < 0 || low < 0) {
            Report(scan, stored, i, text.size());
            return false;
        }
        if (stored < destination.size()) {
            destination[stored++] = std::uint8_t(high << 4 | low);
        }
    }
    Report(scan, stored, i, text.size());
    return true;
}

bool ParseMacAddress(std::string_view text, MacAddress& destination, TextScan* scan) {
    constexpr std::size_t kDigits = 12;
    char digits[kDigits];
    std::size_t held = 0;
    std::size_t i = SkipBlanks(text);
    for (; i < text.size() && held < kDigits; ++i) {
        const char c = text[i];
        if (c == ':' || c == '-' || c == ' ') {
            continue;
        }
        if (HexDigitValue(c) < 0) {
            break;
        }
        digits[held++] = c;
    }
    if (held < kDigits) {
        Report(scan, 0, i, text.size());
        return false;
    }
    const bool ok = HexDecode(std::string_view(digits, kDigits), destination);
    Report(scan, destination.size(), i, text.size());
    return ok;
}

std::string FormatMacAddress(const MacAddress& a) {
    char text[18];
    std::snprintf(text, sizeof text, "%02X:%02X:%02X:%02X:%02X:%02X", a[0], a[1], a[2], a[3], a[4], a[5]);
    return text;
}

} // namespace corvane
