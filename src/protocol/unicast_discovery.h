// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"
#include "protocol/socket_cell.h"

#include <chrono>
#include <cstdint>
#include <optional>

namespace corvane {

// Asks one base station by a discovery request sent to it alone, again every 50 ms for a second and every
// half second after, until it answers; with `restartedSince`, only an answer whose up-time is shorter than
// the time since then counts (the station has restarted since). The answer's record goes to `answer`. `cell`
// holds a datagram socket; the asking ends that way (0), by the cell's abort (-5), or at `giveUpAt` when
// given (socket_status::kTimedOut); without one the caller's deadline decides how long it lasts.
int AskStation(SocketCell* cell, std::uint32_t address, std::uint16_t discoveryPort,
               std::optional<std::chrono::steady_clock::time_point> restartedSince, ConfigRecord& answer,
               std::optional<std::chrono::steady_clock::time_point> giveUpAt = std::nullopt);

} // namespace corvane
