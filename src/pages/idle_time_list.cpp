// SPDX-License-Identifier: Apache-2.0
#include "pages/idle_time_list.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace corvane {
namespace {

// In the order of the template entries; the last is "Never".
constexpr std::array<std::uint32_t, 10> kSeconds = {10, 30, 60, 120, 300, 600, 900, 1200, 1800, 0};
constexpr int kNever = 9;

} // namespace

int IdleTimeIndex(std::uint32_t seconds) {
    const auto* found = std::ranges::find(kSeconds, seconds);
    return found == kSeconds.end() ? kNever : static_cast<int>(std::distance(kSeconds.begin(), found));
}

std::uint32_t IdleTimeSeconds(int index) {
    return index >= 0 && index < static_cast<int>(kSeconds.size()) ? kSeconds[static_cast<std::size_t>(index)]
                                                                   : 0;
}

} // namespace corvane
