// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "sim/station.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace corvane::sim {

struct SessionSettings {
    int stopFd = -1;         // readable once the simulator stops
    int ioTimeoutMs = 30000; // silence after which a session is dropped
    std::chrono::milliseconds restartTime{5000};
    std::function<void(Station&)> restarted; // tells the event loop that the station went down
    std::function<void(const std::string&)> log;
};

// Serves one connection of a base station: the request header and its checks, then command 20 (read), 21
// (write) or 3 (software upload), with the station's faults. The caller closes `fd` afterwards. `activity`,
// when given, holds the steady clock's count of the last piece of data that went through.
void ServeSession(int fd, Station& station, const SessionSettings& settings,
                  std::atomic<std::int64_t>* activity = nullptr);

} // namespace corvane::sim
