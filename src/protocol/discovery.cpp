// SPDX-License-Identifier: Apache-2.0
#include "protocol/discovery.h"

#include "config/status_codes.h"
#include "protocol/dotted_quad.h"
#include "protocol/event.h"
#include "protocol/host_resolution.h"
#include "protocol/interface_broadcasts.h"

#include <mutex>
#include <new>
#include <string>
#include <system_error>
#include <vector>

namespace corvane {

struct DiscoveryState {
    DiscoveryState(StationSink stationSink, std::string targetHost, std::uint16_t targetPort,
                   std::chrono::milliseconds answerWait)
        : sink(std::move(stationSink)), target(std::move(targetHost)), port(targetPort),
          answerWait(answerWait) {}

    // Hands a record to the sink unless discovery has been stopped; false means refused.
    bool Deliver(std::unique_ptr<ConfigRecord>& record) {
        std::lock_guard lock(sinkMutex);
        return sink && sink(record);
    }

    // Makes the thread's cell reachable for Abort; false when discovery is stopping already.
    bool Attach(SocketCell* socketCell) {
        std::lock_guard lock(cellMutex);
        cell = socketCell;
        return !stopping;
    }
    void Detach() {
        std::lock_guard lock(cellMutex);
        cell = nullptr;
    }
    // Ends a running scan at once: its wait for answers ends, and so does every pass after it.
    void Abort() {
        std::lock_guard lock(cellMutex);
        stopping = true;
        if (cell != nullptr) {
            AbortSocketCell(cell, 0);
        }
    }
    bool Stopping() {
        std::lock_guard lock(cellMutex);
        return stopping;
    }

    Event scan{Event::ResetMode::Automatic};
    Event quit{Event::ResetMode::Automatic};
    Event done{Event::ResetMode::Automatic};
    Event scanEnded{Event::ResetMode::Automatic};
    std::mutex cellMutex;
    SocketCell* cell = nullptr; // while the thread holds one
    bool stopping = false;
    std::mutex sinkMutex;
    StationSink sink; // cleared by StopDiscovery
    const std::string target;
    const std::uint16_t port;
    const std::chrono::milliseconds answerWait;
};

namespace {

constexpr int kPassesPerScan = 2;
// Stations answer a broadcast all at once. Linux doubles this for its bookkeeping, where a small datagram
// costs some 800 bytes: room for about 10,000 answers where the system allows it (net.core.rmem_max). A
// user cannot count on that, so the answers are drained as they come: each receive tries the socket before
// it waits, so one wake-up takes every answer queued by then.
constexpr std::uint32_t kDiscoveryReceiveBuffer = 4 << 20;

// Where a pass sends its request: the target, and when that is the limited broadcast, which leaves by one
// route only, also the broadcast address of every other network card, so that the stations behind each
// answer.
std::vector<std::string> RequestTargets(const DiscoveryState& state) {
    std::vector<std::string> targets{state.target};
    std::uint32_t address = 0;
    std::uint16_t port = 0;
    if (ParseDottedQuad(state.target.c_str(), address, port) && address == 0xFFFFFFFF) {
        const std::string portText = ":" + std::to_string(port != 0 ? port : state.port);
        for (const std::uint32_t broadcast : InterfaceBroadcastAddresses()) {
            targets.push_back(FormatDottedQuad(broadcast) + portText);
        }
    }
    return targets;
}

// A pass goes on when at least one request left: a card without a route for the limited broadcast still
// has its own.
bool SendRequests(SocketCell* cell, const DiscoveryState& state, const std::vector<std::string>& targets) {
    bool sent = false;
    for (const std::string& target : targets) {
        sent = SendDiscoveryRequest(cell, 0, target.c_str(), state.port) == 0 || sent;
    }
    return sent;
}

void RunScan(DiscoveryState& state, SocketCell* cell) {
    std::vector<std::string> targets;
    try {
        targets = RequestTargets(state);
    } catch (const std::bad_alloc&) {
        return;
    }
    for (int pass = 0; pass < kPassesPerScan && !state.Stopping(); ++pass) {
        if (!SendRequests(cell, state, targets)) {
            return;
        }
        DiscoveryDatagram answer;
        // Answers keep coming until one receive times out (or fails): then the pass is over.
        int status = 0;
        while ((status = ReceiveDiscoveryAnswer(cell, 0, std::int32_t(state.answerWait.count()), &answer)) ==
               0) {
            std::unique_ptr<ConfigRecord> record;
            try {
                record = RecordFromAnswer(answer);
            } catch (const std::bad_alloc&) {
                return;
            }
            if (record && !state.Deliver(record)) {
                return; // a refused record dies here
            }
        }
        if (status == socket_status::kAborted) {
            return;
        }
    }
}

void RunDiscoveryThread(std::shared_ptr<DiscoveryState> state) {
    SocketCell* opened = nullptr;
    if (OpenSocketCell(kCellDatagram, 0, &opened) == 0) {
        const OwnedSocketCell cell(opened);
        // A smaller buffer than asked for still works, with less room for a burst.
        NetSocketSetReceiveBuffer(cell->Current(), kDiscoveryReceiveBuffer, nullptr);
        if (state->Attach(cell.get())) {
            while (Event::WaitAny({&state->scan, &state->quit}) == 0) {
                RunScan(*state, cell.get());
                state->scanEnded.Set();
            }
        }
        state->Detach();
    }
    state->done.Set();
}

} // namespace

Discovery::~Discovery() {
    StopDiscovery(*this);
}

int StartDiscovery(Discovery& discovery, StationSink sink, const std::string& target, std::uint16_t port,
                   std::chrono::milliseconds answerWait) {
    if (discovery.state) {
        return kDiscoveryUnavailable;
    }
    try {
        discovery.state = std::make_shared<DiscoveryState>(std::move(sink), target, port, answerWait);
        discovery.thread = std::thread(RunDiscoveryThread, discovery.state);
    } catch (const std::exception&) { // std::bad_alloc or std::system_error
        StopDiscovery(discovery);
        return kDiscoveryUnavailable;
    }
    discovery.state->scan.Set();
    return 0;
}

int RequestScan(Discovery& discovery) {
    if (!discovery.state) {
        return kDiscoveryUnavailable;
    }
    discovery.state->scan.Set();
    return 0;
}

void WaitForScanEnd(Discovery& discovery) {
    if (!discovery.state) {
        return;
    }
    DiscoveryState& state = *discovery.state;
    if (Event::WaitAny({&state.scanEnded, &state.done}) == 1) {
        state.done.Set(); // the thread ended without a scan; StopDiscovery still looks for this
    }
}

void StopDiscovery(Discovery& discovery, std::chrono::milliseconds wait) {
    if (!discovery.state) {
        return;
    }
    discovery.state->quit.Set();
    discovery.state->Abort();
    const bool ended = discovery.thread.joinable() && discovery.state->done.WaitFor(wait);
    {
        std::lock_guard lock(discovery.state->sinkMutex);
        discovery.state->sink = nullptr;
    }
    if (discovery.thread.joinable()) {
        // A thread still scanning keeps its own share of the state and finds the sink gone.
        ended ? discovery.thread.join() : discovery.thread.detach();
    }
    discovery.state.reset();
}

} // namespace corvane
