// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "sim/session_server.h"
#include "sim/sim_options.h"
#include "sim/station.h"

#include <atomic>
#include <deque>
#include <functional>
#include <list>
#include <memory>
#include <netinet/in.h>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

namespace corvane::sim {

// Every simulated station of one process: its sockets bound to its own address, one poll() event loop for
// discovery, accepting and restarts, and one thread per session, blocking in poll() as well.
class Fleet {
public:
    using Log = std::function<void(const std::string&)>;

    Fleet(SimOptions options, Log log);
    Fleet(const Fleet&) = delete;
    Fleet& operator=(const Fleet&) = delete;
    ~Fleet();

    // Loads (or creates) every station's configuration file and binds every socket.
    bool Start(std::string& error);
    // The event loop; returns after Stop, once every session has ended.
    void Run();
    // Ends Run from any thread, also from a signal handler (it only stores a flag and writes to pipes).
    void Stop();

    std::uint16_t DiscoveryPort() const { return discoveryPort_; }
    std::uint16_t SessionPort() const { return sessionPort_; }
    std::size_t StationCount() const { return stations_.size(); }
    Station& StationAt(std::size_t i) { return *stations_[i].station; }

private:
    struct StationSockets {
        std::unique_ptr<Station> station;
        int datagramFd = -1;
        int listenFd = -1; // -1 while the station restarts
    };
    struct Session {
        int fd = -1; // closed once the thread is joined, so dropping a session never hits a reused descriptor
        std::thread thread;
        std::atomic<bool> finished{false};
        std::atomic<std::int64_t> lastActive{0}; // steady clock count
        bool dropped = false;
    };
    struct PendingAnswer {
        std::size_t station;
        sockaddr_in to;
        Clock::time_point due;
    };

    bool OpenListener(StationSockets& sockets, std::string& error);
    void CloseListener(StationSockets& sockets);
    void HandleDatagram(int fd, std::size_t onlyStation, bool toEveryStation);
    void SendDueAnswers(Clock::time_point now);
    void Accept(std::size_t station);
    void ReapSessions(bool all);
    // Makes room at the session cap: ends the session that has been idle longest. False when none is left.
    bool DropIdlestSession();
    // Closes listeners of stations that went down, reopens those whose restart is over; the poll time-out in
    // ms until the next thing that is due (-1: nothing).
    int UpdateStations(Clock::time_point now);
    void Wake();

    SimOptions options_;
    Log log_;
    SessionSettings sessionSettings_;
    std::vector<StationSockets> stations_;
    int broadcastFd_ = -1;
    int wakePipe_[2] = {-1, -1};
    int stopPipe_[2] = {-1, -1};
    std::uint16_t discoveryPort_ = 0;
    std::uint16_t sessionPort_ = 0;
    std::atomic<bool> stopping_{false};
    std::list<Session> sessions_;
    std::deque<PendingAnswer> answers_;
    std::set<std::tuple<std::size_t, std::uint32_t, std::uint16_t>>
        answering_; // station and asker in answers_
};

} // namespace corvane::sim
