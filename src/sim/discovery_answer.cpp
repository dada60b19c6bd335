#include "sim/discovery_answer.h"

#include "config/byte_order.h"

#include <algorithm>
#include <string>

namespace corvane::sim {

namespace {

constexpr std::uint8_t kMarker = 1;
constexpr std::uint8_t kRequest = 0;
constexpr std::uint8_t kAnswer = 0x81;
constexpr std::size_t kFlagsOffset = 2;
constexpr std::size_t kWirelessMacOffset = 24;
constexpr std::size_t kLanMacOffset = 30;
constexpr std::size_t kWanMacOffset = 36;
constexpr std::size_t kAddressOffset = 44;
constexpr std::size_t kNameOffset = 48;
constexpr std::size_t kUptimeOffset = 80;
constexpr std::size_t kDescriptionOffset = 84;
constexpr std::size_t kTextField = 32;

void PutText(DiscoveryDatagram& answer, std::size_t offset, const std::string& text) {
    const std::size_t length = std::min(text.size(), kTextField - 1);
    std::copy_n(text.begin(), length, answer.begin() + offset);
}

} // namespace

bool IsDiscoveryRequest(const std::uint8_t* bytes, std::size_t length) {
    return length >= 2 && bytes[0] == kMarker && bytes[1] == kRequest;
}

DiscoveryDatagram BuildDiscoveryAnswer(const Station& station, Clock::time_point now) {
    DiscoveryDatagram answer{};
    const ConfigRecord configuration = station.Configuration();
    answer[0] = kMarker;
    answer[1] = kAnswer;
    StoreBigEndian16(answer.data() + kFlagsOffset, station.DiscoveryFlags());
    std::copy(station.WirelessMac().begin(), station.WirelessMac().end(), answer.begin() + kWirelessMacOffset);
    std::copy(station.LanMac().begin(), station.LanMac().end(), answer.begin() + kLanMacOffset);
    std::copy(station.WanMac().begin(), station.WanMac().end(), answer.begin() + kWanMacOffset);
    StoreBigEndian32(answer.data() + kAddressOffset, station.Address());
    PutText(answer, kNameOffset, configuration.syNm);
    StoreBigEndian32(answer.data() + kUptimeOffset, station.UptimeTicks(now));
    PutText(answer, kDescriptionOffset, configuration.syDs);
    return answer;
}

} // namespace corvane::sim
