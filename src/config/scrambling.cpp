// SPDX-License-Identifier: Apache-2.0
#include "config/scrambling.h"

namespace corvane {

const std::array<std::uint8_t, 16> kScrambleKey = {0x3c, 0x91, 0xe0, 0x7a, 0x5d, 0x22, 0xb8, 0xf4,
                                                   0x06, 0x9a, 0xc3, 0x17, 0x5e, 0x8d, 0x4b, 0x20};

void ScrambleBytes(std::uint32_t length, void* data) {
    auto p = static_cast<std::uint8_t*>(data);
    for (std::uint32_t i = 0; i < length; ++i) {
        p[i] ^= kScrambleKey[i % kScrambleKey.size()] ^ std::uint8_t(i + 85);
    }
}

} // namespace corvane
