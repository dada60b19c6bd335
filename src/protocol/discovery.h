// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"
#include "config/status_codes.h"
#include "protocol/discovery_datagrams.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <thread>

namespace corvane {

// How long a scan pass waits for one more answer before it ends.
constexpr std::chrono::milliseconds kDiscoveryAnswerWait{2000};

// Takes each station found, on the discovery thread: moves the record out and returns true, or returns false
// to refuse it (the thread then destroys it and ends the scan). It must not wait for the thread that stops
// discovery.
using StationSink = std::function<bool(std::unique_ptr<ConfigRecord>& record)>;

struct DiscoveryState; // the scan, quit and done events (automatic reset), the sink and the target

// What the chooser window holds for its discovery thread. Destroying it stops discovery.
struct Discovery {
    Discovery() = default;
    Discovery(const Discovery&) = delete;
    Discovery& operator=(const Discovery&) = delete;
    ~Discovery();

    std::shared_ptr<DiscoveryState> state;
    std::thread thread;
};

// Starts the discovery thread and its first scan; each scan sends the request twice to `target` and hands
// every answer to `sink` as a new record, each pass ending once no answer came for `answerWait`. 0, or
// kDiscoveryUnavailable with nothing left behind.
int StartDiscovery(Discovery& discovery, StationSink sink, const std::string& target = kDiscoveryTarget,
                   std::uint16_t port = kDiscoveryPort,
                   std::chrono::milliseconds answerWait = kDiscoveryAnswerWait);
// Asks for one more scan; any number of requests during a scan yield exactly one more. 0, or -13 when
// stopped.
int RequestScan(Discovery& discovery);
// Blocks until a scan ends (one that ended since the last such wait counts) or the thread ends without one.
void WaitForScanEnd(Discovery& discovery);
// Ends the thread, cutting a running scan short, and waits up to `wait` (10 s) for it; after that the sink
// is never called again, even by a thread still running. Safe to call on a discovery never started or
// already stopped.
void StopDiscovery(Discovery& discovery, std::chrono::milliseconds wait = std::chrono::milliseconds(10000));

} // namespace corvane
