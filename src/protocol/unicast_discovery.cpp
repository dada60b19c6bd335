// SPDX-License-Identifier: Apache-2.0
#include "protocol/unicast_discovery.h"

#include "config/status_codes.h"
#include "protocol/discovery_datagrams.h"
#include "protocol/dotted_quad.h"

#include <algorithm>
#include <string>

namespace corvane {

namespace {

using Clock = std::chrono::steady_clock;
// Often enough to see a station soon after it is back, rarely enough to cost it nothing: a station that
// restarts quickly is asked more often in the first second.
constexpr std::chrono::milliseconds kAskAgainSoon{50};
constexpr std::chrono::milliseconds kAskSoonFor{1000};
constexpr std::chrono::milliseconds kAskAgain{500};

bool Counts(const ConfigRecord& answer, std::optional<Clock::time_point> restartedSince) {
    if (!restartedSince) {
        return true;
    }
    const auto upFor = std::chrono::milliseconds(std::int64_t(answer.uptimeTicks) * 10);
    return upFor < Clock::now() - *restartedSince;
}

} // namespace

int AskStation(SocketCell* cell, std::uint32_t address, std::uint16_t discoveryPort,
               std::optional<Clock::time_point> restartedSince, ConfigRecord& answer,
               std::optional<Clock::time_point> giveUpAt) {
    const std::string host = FormatDottedQuad(address);
    const Clock::time_point began = Clock::now();
    for (;;) {
        const Clock::time_point asked = Clock::now();
        if (giveUpAt && asked >= *giveUpAt) {
            return socket_status::kTimedOut;
        }
        Clock::time_point askAgain = asked + (asked - began < kAskSoonFor ? kAskAgainSoon : kAskAgain);
        if (giveUpAt) {
            askAgain = std::min(askAgain, *giveUpAt);
        }
        // A station that is down may make the send fail (an ICMP answer); the next turn asks again.
        if (const int sent = SendDiscoveryRequest(cell, 0, host.c_str(), discoveryPort);
            sent == socket_status::kAborted) {
            return sent;
        }
        for (Clock::time_point now = Clock::now(); now < askAgain; now = Clock::now()) {
            DiscoveryDatagram datagram{};
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(askAgain - now);
            const int status = ReceiveDiscoveryAnswer(cell, 0, std::int32_t(left.count()), &datagram);
            if (status == socket_status::kAborted) {
                return status;
            }
            if (status != 0) {
                continue; // a time-out, or an error the socket reports once
            }
            auto record = RecordFromAnswer(datagram);
            if (record && record->stationAddress == address && Counts(*record, restartedSince)) {
                answer = *record;
                return 0;
            }
        }
    }
}

} // namespace corvane
