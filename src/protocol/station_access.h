// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "protocol/session.h"

#include <cstdint>
#include <string>

namespace corvane {

// What a session with one base station needs: where it listens and the password it asks for.
struct StationAccess {
    std::uint32_t address = 0; // IPv4, host order
    std::uint16_t port = kStationPort;
    std::string password;
};

} // namespace corvane
