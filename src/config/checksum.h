// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>

namespace corvane {

// Message headers, message bodies, software images and configuration files all carry this checksum, summed
// from kChecksumStart with a reduction every kChecksumBlock bytes.
constexpr std::uint32_t kChecksumStart = 1;
constexpr std::uint32_t kChecksumBlock = 5000;

// Adler-32 from `start`, reducing after every `blockSize` bytes (0 means 5552, the largest safe block).
std::uint32_t ComputeChecksum(std::uint32_t start, std::uint32_t blockSize, const void* data,
                              std::uint32_t length);

// The checksum of the bytes `checksum` covers followed by `count` zero bytes, without summing them.
std::uint32_t ExtendChecksumWithZeros(std::uint32_t checksum, std::uint32_t count);

} // namespace corvane
