// SPDX-License-Identifier: Apache-2.0
#include "protocol/discovery_datagrams.h"

#include "config/byte_order.h"
#include "protocol/session_status.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace corvane {

namespace {

constexpr std::int32_t kRequestTimeoutMs = 5000;

template <typename Word> void StoreHostOrder(std::uint8_t* at, Word value) {
    std::memcpy(at, &value, sizeof value);
}

template <typename Word> Word LoadHostOrder(const std::uint8_t* at) {
    Word value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

MacAddress LoadMac(const DiscoveryDatagram& answer, std::size_t offset) {
    MacAddress mac;
    std::copy_n(answer.begin() + std::ptrdiff_t(offset), mac.size(), mac.begin());
    return mac;
}

// The NUL-terminated text of a 32-byte field whose last byte the conversion forced to 0.
std::string LoadText(const DiscoveryDatagram& answer, std::size_t offset) {
    return std::string(reinterpret_cast<const char*>(answer.data() + offset));
}

} // namespace

DiscoveryDatagram BuildDiscoveryRequest() {
    DiscoveryDatagram request{};
    request[discovery_offset::kMarker] = kDiscoveryMarker;
    request[discovery_offset::kKind] = kDiscoveryRequestKind;
    return request;
}

int SendDiscoveryRequest(SocketCell* cell, std::uint32_t reserved, const char* target, std::uint16_t port) {
    if (const int status = session_status::CheckArguments(cell != nullptr, reserved); status != 0) {
        return status;
    }
    const DiscoveryDatagram request = BuildDiscoveryRequest();
    std::uint32_t sent = 0;
    return NetSocketSendTo(cell->Current(), 0, kRequestTimeoutMs, target, port, kDiscoveryDatagramSize,
                           request.data(), &sent);
}

int ReceiveDiscoveryAnswer(SocketCell* cell, std::uint32_t reserved, std::int32_t timeoutMs,
                           DiscoveryDatagram* out) {
    if (const int status = session_status::CheckArguments(cell != nullptr, reserved); status != 0) {
        return status;
    }
    // One byte more than an answer holds, to see a longer datagram for what it is.
    std::array<std::uint8_t, kDiscoveryDatagramSize + 1> datagram{};
    std::uint32_t received = 0;
    AddressRecord from;
    const int status = NetSocketReceiveFrom(cell->Current(), 0, timeoutMs, std::uint32_t(datagram.size()),
                                            datagram.data(), &received, &from, nullptr);
    if (status != 0) {
        return status;
    }
    DiscoveryDatagram answer{};
    if (received > kDiscoveryDatagramSize) {
        if (out != nullptr) {
            *out = answer; // all zeros: no answer
        }
        return 0;
    }
    std::copy_n(datagram.begin(), answer.size(), answer.begin());
    using namespace discovery_offset;
    StoreHostOrder(answer.data() + kFlags, LoadBigEndian16(answer.data() + kFlags));
    StoreHostOrder(answer.data() + kUptime, LoadBigEndian32(answer.data() + kUptime));
    StoreHostOrder(answer.data() + kAddress, from.address);
    answer[kName + kFieldSize - 1] = 0;
    answer[kDescription + kFieldSize - 1] = 0;
    if (out != nullptr) {
        *out = answer;
    }
    return 0;
}

std::unique_ptr<ConfigRecord> RecordFromAnswer(const DiscoveryDatagram& answer) {
    using namespace discovery_offset;
    if (answer[kMarker] != kDiscoveryMarker || answer[kKind] != kDiscoveryAnswerKind) {
        return nullptr;
    }
    auto record = std::make_unique<ConfigRecord>();
    record->stationFlags = LoadHostOrder<std::uint16_t>(answer.data() + kFlags);
    record->stationAddress = LoadHostOrder<std::uint32_t>(answer.data() + kAddress);
    record->wirelessMac = LoadMac(answer, kWirelessMac);
    record->lanMac = LoadMac(answer, kLanMac);
    record->wanMac = LoadMac(answer, kWanMac);
    record->syNm = LoadText(answer, kName);
    record->syDs = LoadText(answer, kDescription);
    record->uptimeTicks = LoadHostOrder<std::uint32_t>(answer.data() + kUptime);
    return record;
}

} // namespace corvane
