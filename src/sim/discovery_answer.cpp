// SPDX-License-Identifier: Apache-2.0
#include "sim/discovery_answer.h"

#include "config/byte_order.h"

#include <algorithm>
#include <string>

namespace corvane::sim {

namespace {

void PutText(DiscoveryDatagram& answer, std::size_t offset, const std::string& text) {
    const std::size_t length = std::min(text.size(), discovery_offset::kFieldSize - 1);
    std::copy_n(text.begin(), length, answer.begin() + std::ptrdiff_t(offset));
}

void PutMac(DiscoveryDatagram& answer, std::size_t offset, const MacAddress& mac) {
    std::copy(mac.begin(), mac.end(), answer.begin() + std::ptrdiff_t(offset));
}

} // namespace

bool IsDiscoveryRequest(const std::uint8_t* bytes, std::size_t length) {
    return length > discovery_offset::kKind && bytes[discovery_offset::kMarker] == kDiscoveryMarker &&
           bytes[discovery_offset::kKind] == kDiscoveryRequestKind;
}

DiscoveryDatagram BuildDiscoveryAnswer(const Station& station, Clock::time_point now) {
    using namespace discovery_offset;
    DiscoveryDatagram answer{};
    const ConfigRecord configuration = station.Configuration();
    answer[kMarker] = kDiscoveryMarker;
    answer[kKind] = kDiscoveryAnswerKind;
    StoreBigEndian16(answer.data() + kFlags, station.DiscoveryFlags());
    PutMac(answer, kWirelessMac, station.WirelessMac());
    PutMac(answer, kLanMac, station.LanMac());
    PutMac(answer, kWanMac, station.WanMac());
    StoreBigEndian32(answer.data() + kAddress, station.Address());
    PutText(answer, kName, configuration.syNm);
    StoreBigEndian32(answer.data() + kUptime, station.UptimeTicks(now));
    PutText(answer, kDescription, configuration.syDs);
    return answer;
}

} // namespace corvane::sim
