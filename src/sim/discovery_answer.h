#pragma once

#include "sim/station.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace corvane::sim {

constexpr std::size_t kDiscoveryDatagramSize = 116;
using DiscoveryDatagram = std::array<std::uint8_t, kDiscoveryDatagramSize>;

// True for a discovery request: marker 1, then 0 (request).
bool IsDiscoveryRequest(const std::uint8_t* bytes, std::size_t length);

// A station's answer: marker 1 and 0x81, status flags, its three MAC addresses, its address, name, up-time and
// description, numbers big-endian, texts cut to 31 characters and NUL-terminated.
DiscoveryDatagram BuildDiscoveryAnswer(const Station& station, Clock::time_point now);

} // namespace corvane::sim
