// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>

namespace corvane {

// Four ASCII characters, the first in the most significant byte; 0 ends streams and tables.
using PropertyTag = std::uint32_t;

constexpr PropertyTag MakeTag(const char (&text)[5]) {
    return (PropertyTag(std::uint8_t(text[0])) << 24) | (PropertyTag(std::uint8_t(text[1])) << 16) |
           (PropertyTag(std::uint8_t(text[2])) << 8) | PropertyTag(std::uint8_t(text[3]));
}

} // namespace corvane
