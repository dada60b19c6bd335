// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"
#include "protocol/socket_cell.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace corvane {

// The discovery request and answer: 116-byte UDP datagrams, numbers big-endian on the wire.
constexpr std::size_t kDiscoveryDatagramSize = 116;
using DiscoveryDatagram = std::array<std::uint8_t, kDiscoveryDatagramSize>;

constexpr const char* kDiscoveryTarget = "255.255.255.255";
constexpr std::uint16_t kDiscoveryPort = 192;

constexpr std::uint8_t kDiscoveryMarker = 1;        // byte 0 of both
constexpr std::uint8_t kDiscoveryRequestKind = 0;   // byte 1 of a request
constexpr std::uint8_t kDiscoveryAnswerKind = 0x81; // byte 1 of an answer
constexpr std::uint16_t kStationFlagReset = 0x4000; // the station was reset and is not configured

namespace discovery_offset {
constexpr std::size_t kMarker = 0;
constexpr std::size_t kKind = 1;
constexpr std::size_t kFlags = 2; // 16 bits
constexpr std::size_t kWirelessMac = 24;
constexpr std::size_t kLanMac = 30;
constexpr std::size_t kWanMac = 36;
constexpr std::size_t kAddress = 44;     // not read from the wire: the datagram's source address goes here
constexpr std::size_t kName = 48;        // 32 bytes, NUL-terminated
constexpr std::size_t kUptime = 80;      // hundredths of a second
constexpr std::size_t kDescription = 84; // 32 bytes, NUL-terminated
constexpr std::size_t kFieldSize = 32;
} // namespace discovery_offset

// Marker 1, kind 0, zeros.
DiscoveryDatagram BuildDiscoveryRequest();
// Sends the request from the cell's datagram socket to `target` (its own ":port", else `port`).
int SendDiscoveryRequest(SocketCell* cell, std::uint32_t reserved, const char* target = kDiscoveryTarget,
                         std::uint16_t port = kDiscoveryPort);
// Receives one datagram (short ones zero-filled) and converts it in place: flags (offset 2), up-time (80) and
// the source address (44) in host order, bytes 79 and 115 zero. A datagram longer than an answer is none: it
// comes back all zeros, which RecordFromAnswer turns down as it does any other non-answer. `out` may be null.
int ReceiveDiscoveryAnswer(SocketCell* cell, std::uint32_t reserved, std::int32_t timeoutMs,
                           DiscoveryDatagram* out);
// A new record from a converted answer, or null when the marker bytes say it is no answer.
std::unique_ptr<ConfigRecord> RecordFromAnswer(const DiscoveryDatagram& answer);

} // namespace corvane
