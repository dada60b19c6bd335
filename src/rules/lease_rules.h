// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "rules/rule_break.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace corvane {

class ConfigRecord;

// The DHCP lease: 10 minutes or more, in whole seconds that fit 32 bits.
inline constexpr std::uint32_t kShortestLease = 600;

// The seconds a lease-time count gives in a unit of `unitSeconds`; nothing when the text holds anything but
// the digits 0 to 9 or the lease does not fit 32 bits. An empty text is 0.
std::optional<std::uint32_t> LeaseSeconds(std::string_view count, std::uint32_t unitSeconds);

// The message for a lease-time field: 167 when it holds anything but digits, 159 when the lease is shorter
// than 10 minutes or does not fit 32 bits; nothing when it is a lease the station takes.
std::optional<StringId> CheckLeaseText(std::string_view count, std::uint32_t unitSeconds);

// The network page's rule over a record: while it distributes addresses (raDS), a lease (dhLe) of 10 minutes
// or more (message 159).
RuleBreaks CheckLease(const ConfigRecord& record);

} // namespace corvane
