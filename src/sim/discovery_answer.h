// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "protocol/discovery_datagrams.h"
#include "sim/station.h"

#include <cstddef>
#include <cstdint>

namespace corvane::sim {

// True for a discovery request: marker 1, then kind 0.
bool IsDiscoveryRequest(const std::uint8_t* bytes, std::size_t length);

// A station's answer: markers, status flags, its three MAC addresses, its address, name, up-time and
// description, numbers big-endian, texts cut to 31 characters and NUL-terminated.
DiscoveryDatagram BuildDiscoveryAnswer(const Station& station, Clock::time_point now);

} // namespace corvane::sim
