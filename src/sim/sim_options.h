// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "protocol/discovery_datagrams.h"
#include "protocol/session.h"
#include "sim/fault.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::sim {

// More than a broadcast domain holds; each station costs two descriptors.
constexpr std::uint32_t kMaxStations = 16384;

// What one corvane-sim process simulates; every station gets the next address after the first.
struct SimOptions {
    std::uint32_t stationCount = 1;
    std::uint32_t firstAddress = 0x7F000001;      // 127.0.0.1, host order
    std::uint16_t discoveryPort = kDiscoveryPort; // 0: the system picks one
    std::uint16_t sessionPort = kStationPort;     // 0: the system picks one
    std::string stateDir = "corvane-sim-state";
    std::uint32_t restartMs = 5000;           // how long a restarting station stays unreachable
    std::vector<std::uint32_t> resetStations; // 1-based indexes answering with the reset flag
    std::vector<FaultRule> faults;
    std::string readyFile; // written with the bound ports once every socket is bound
    bool quiet = false;    // no session log on standard output
    // Answers to one request leave in bursts, as real stations answer at different moments: by default a
    // burst small enough for any receive buffer and a pause long enough for the client to drain it.
    // 0 answers per burst: all at once (unpaced).
    std::uint32_t answersPerBurst = 8;
    std::uint32_t burstPauseMs = 8;
    // Sessions at once: more than any client makes. At the cap the longest idle one makes room for a new one.
    std::size_t maxSessions = 512;
};

// Parses the command line (without the program name). Returns false with a message for a bad one; `help` is
// set when --help was asked for.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, bool& help,
                     std::string& error);

extern const char* const kSimUsage;

} // namespace corvane::sim
