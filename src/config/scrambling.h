// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <cstdint>

namespace corvane {

// The password scrambling key, first byte 0x3c.
extern const std::array<std::uint8_t, 16> kScrambleKey;

// Self-inverse scrambling of password fields and scrambled values, in place.
void ScrambleBytes(std::uint32_t length, void* data);

} // namespace corvane
