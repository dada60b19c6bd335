// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::sim {

// Misbehaviour a station shows on demand, so that clients can be tested against it.
enum class Fault : std::uint32_t {
    BadReplyChecksum = 1u << 0,  // a reply header whose checksum is wrong
    CloseMidStream = 1u << 1,    // the connection closes half-way through the reply
    Stall = 1u << 2,             // the request is read and never answered
    LyingStatusLength = 1u << 3, // status elements whose length field says more than the 4 bytes that follow
    GiantLength = 1u << 4,       // an element announcing an absurd length
    DropDiscovery = 1u << 5,     // discovery requests go unanswered
    StayDown = 1u << 6,          // a restart takes the station down for good
    ForgetWrites = 1u << 7,      // a configuration write is acknowledged and never kept
};

using FaultSet = std::uint32_t;

constexpr bool HasFault(FaultSet set, Fault fault) {
    return (set & std::uint32_t(fault)) != 0;
}

std::optional<Fault> ParseFaultName(std::string_view name);

// "N:kind" or "all:kind": which stations (1-based, 0 = all) show which fault.
struct FaultRule {
    std::uint32_t station = 0;
    Fault fault{};
};

std::optional<FaultRule> ParseFaultRule(std::string_view text);

} // namespace corvane::sim
