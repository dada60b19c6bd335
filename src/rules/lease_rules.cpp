// SPDX-License-Identifier: Apache-2.0
#include "rules/lease_rules.h"

#include "config/config_record.h"
#include "config/property_tag.h"

#include <algorithm>
#include <limits>

namespace corvane {
namespace {

bool AllDigits(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

std::optional<std::uint32_t> LeaseSeconds(std::string_view count, std::uint32_t unitSeconds) {
    if (!AllDigits(count)) {
        return std::nullopt;
    }
    // Counted in 64 bits and held just past the largest lease, so no count of digits can wrap.
    constexpr std::uint64_t kLongest = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t seconds = 0;
    for (const char digit : count) {
        seconds = std::min<std::uint64_t>(seconds * 10 + std::uint64_t(digit - '0'), kLongest + 1);
    }
    seconds = std::min<std::uint64_t>(seconds * unitSeconds, kLongest + 1);
    if (seconds > kLongest) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(seconds);
}

std::optional<StringId> CheckLeaseText(std::string_view count, std::uint32_t unitSeconds) {
    if (!AllDigits(count)) {
        return kStrLeaseNotNumeric;
    }
    const std::optional<std::uint32_t> seconds = LeaseSeconds(count, unitSeconds);
    if (!seconds || *seconds < kShortestLease) {
        return kStrLeaseTooShort;
    }
    return std::nullopt;
}

RuleBreaks CheckLease(const ConfigRecord& record) {
    if (record.raDS == 0 || record.dhLe >= kShortestLease) {
        return {};
    }
    return {{kStrLeaseTooShort, MakeTag("dhLe")}};
}

} // namespace corvane
