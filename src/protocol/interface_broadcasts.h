// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>
#include <vector>

namespace corvane {

// The directed broadcast address (host order) of every IPv4 interface that is up and has one, loopback
// excluded, each once: the networks that the limited broadcast 255.255.255.255, which leaves by one route
// only, misses. The network it does reach is left out, so that its stations are not asked twice. Empty when
// the system cannot list its interfaces.
std::vector<std::uint32_t> InterfaceBroadcastAddresses();

} // namespace corvane
