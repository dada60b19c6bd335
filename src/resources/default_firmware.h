// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace corvane {

inline constexpr std::size_t kDefaultFirmwareSize = 684528;

// The default software image the utility carries. The base station's real software is not ours to ship, so
// the build makes a stand-in of the same size: a name block, then a fixed pseudo-random sequence. The same
// bytes every build, on every machine.
inline std::vector<std::uint8_t> MakeDefaultFirmwareImage() {
    constexpr std::string_view kName = "Corvane base station software v4.0 (default image)";
    std::vector<std::uint8_t> image(kDefaultFirmwareSize);
    std::size_t at = 0;
    for (char c : kName) {
        image[at++] = static_cast<std::uint8_t>(c);
    }
    std::uint32_t state = 0x2545F491u; // xorshift32
    for (; at < image.size(); ++at) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        image[at] = static_cast<std::uint8_t>(state >> 24);
    }
    return image;
}

} // namespace corvane
