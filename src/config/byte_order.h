// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>

namespace corvane {

// Every number on the wire and in files is big-endian; memory holds host order.

constexpr std::uint32_t LoadBigEndian32(const std::uint8_t* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) |
           std::uint32_t(p[3]);
}

constexpr std::uint16_t LoadBigEndian16(const std::uint8_t* p) {
    return std::uint16_t((unsigned(p[0]) << 8) | unsigned(p[1]));
}

constexpr void StoreBigEndian32(std::uint8_t* p, std::uint32_t value) {
    p[0] = std::uint8_t(value >> 24);
    p[1] = std::uint8_t(value >> 16);
    p[2] = std::uint8_t(value >> 8);
    p[3] = std::uint8_t(value);
}

constexpr void StoreBigEndian16(std::uint8_t* p, std::uint16_t value) {
    p[0] = std::uint8_t(value >> 8);
    p[1] = std::uint8_t(value);
}

} // namespace corvane
