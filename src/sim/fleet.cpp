// SPDX-License-Identifier: Apache-2.0
#include "sim/fleet.h"

#include "protocol/dotted_quad.h"
#include "protocol/socket_address.h"
#include "sim/discovery_answer.h"
#include "sim/state_file.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace corvane::sim {

namespace {

constexpr int kListenBacklog = 64;
// Discovery answers waiting to leave (or twice the fleet, if more): a flood of requests delays the answers to
// others by at most this many.
constexpr std::size_t kMaxPendingAnswers = 8192;

std::string SystemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

// A socket of `type` bound to address:port with address reuse, so a station's own socket and the broadcast
// receiver can share the discovery port and a restarted station can listen again at once.
int BindSocket(int type, std::uint32_t address, std::uint16_t port, std::string& error) {
    const int fd = ::socket(AF_INET, type | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        error = SystemError("socket");
        return -1;
    }
    const int on = 1;
    const sockaddr_in in = InternetAddress(address, port);
    if (::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
        ::bind(fd, reinterpret_cast<const sockaddr*>(&in), sizeof in) != 0) {
        error = SystemError("bind " + FormatDottedQuad(address) + ":" + std::to_string(port));
        ::close(fd);
        return -1;
    }
    return fd;
}

std::uint16_t BoundPort(int fd) {
    sockaddr_in in{};
    socklen_t size = sizeof in;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&in), &size);
    return ntohs(in.sin_port);
}

void CloseFd(int& fd) {
    if (fd >= 0) {
        ::close(fd);
    }
    fd = -1;
}

bool StationListed(const std::vector<std::uint32_t>& list, std::uint32_t index) {
    return std::any_of(list.begin(), list.end(),
                       [index](std::uint32_t entry) { return entry == 0 || entry == index; });
}

} // namespace

Fleet::Fleet(SimOptions options, Log log) : options_(std::move(options)), log_(std::move(log)) {}

Fleet::~Fleet() {
    Stop();
    ReapSessions(true);
    for (StationSockets& sockets : stations_) {
        CloseFd(sockets.datagramFd);
        CloseFd(sockets.listenFd);
    }
    CloseFd(broadcastFd_);
    for (int* pipe : {wakePipe_, stopPipe_}) {
        CloseFd(pipe[0]);
        CloseFd(pipe[1]);
    }
}

bool Fleet::Start(std::string& error) {
    if (::pipe2(wakePipe_, O_NONBLOCK | O_CLOEXEC) != 0 || ::pipe2(stopPipe_, O_NONBLOCK | O_CLOEXEC) != 0) {
        error = SystemError("pipe");
        return false;
    }
    sessionSettings_.stopFd = stopPipe_[0];
    sessionSettings_.restartTime = std::chrono::milliseconds(options_.restartMs);
    sessionSettings_.restarted = [this](Station&) { Wake(); };
    sessionSettings_.log = log_;
    if (!PrepareStateDirectory(options_.stateDir, error)) {
        return false;
    }

    stations_.resize(options_.stationCount);
    for (std::uint32_t i = 0; i < options_.stationCount; ++i) {
        const std::uint32_t index = i + 1;
        const std::uint32_t address = options_.firstAddress + i;
        FaultSet faults = 0;
        for (const FaultRule& rule : options_.faults) {
            if (rule.station == 0 || rule.station == index) {
                faults |= std::uint32_t(rule.fault);
            }
        }
        stations_[i].station = std::make_unique<Station>(
            index, address, options_.stateDir + "/station-" + FormatDottedQuad(address) + ".cfg", faults,
            StationListed(options_.resetStations, index));
        if (!stations_[i].station->LoadState(error)) {
            return false;
        }
    }

    // Broadcasts reach only a socket bound to the wildcard address; each station answers from its own.
    broadcastFd_ = BindSocket(SOCK_DGRAM, INADDR_ANY, options_.discoveryPort, error);
    if (broadcastFd_ < 0) {
        return false;
    }
    discoveryPort_ = BoundPort(broadcastFd_);
    sessionPort_ = options_.sessionPort;
    for (StationSockets& sockets : stations_) {
        sockets.datagramFd = BindSocket(SOCK_DGRAM, sockets.station->Address(), discoveryPort_, error);
        if (sockets.datagramFd < 0 || !OpenListener(sockets, error)) {
            return false;
        }
        sessionPort_ = BoundPort(sockets.listenFd);
    }
    return true;
}

bool Fleet::OpenListener(StationSockets& sockets, std::string& error) {
    sockets.listenFd = BindSocket(SOCK_STREAM, sockets.station->Address(), sessionPort_, error);
    if (sockets.listenFd < 0) {
        return false;
    }
    if (::listen(sockets.listenFd, kListenBacklog) != 0) {
        error = SystemError("listen");
        CloseFd(sockets.listenFd);
        return false;
    }
    return true;
}

void Fleet::CloseListener(StationSockets& sockets) {
    CloseFd(sockets.listenFd);
}

void Fleet::Stop() {
    stopping_.store(true);
    const char byte = 0;
    if (stopPipe_[1] >= 0) {
        [[maybe_unused]] const auto ignored = ::write(stopPipe_[1], &byte, 1);
    }
    Wake();
}

void Fleet::Wake() {
    const char byte = 0;
    if (wakePipe_[1] >= 0) {
        [[maybe_unused]] const auto ignored = ::write(wakePipe_[1], &byte, 1); // a full pipe already wakes
    }
}

void Fleet::SendDueAnswers(Clock::time_point now) {
    while (!answers_.empty() && answers_.front().due <= now) {
        const PendingAnswer answer = answers_.front();
        answers_.pop_front();
        answering_.erase({answer.station, answer.to.sin_addr.s_addr, answer.to.sin_port});
        StationSockets& sockets = stations_[answer.station];
        if (sockets.station->IsDown()) {
            continue;
        }
        const DiscoveryDatagram datagram = BuildDiscoveryAnswer(*sockets.station, now);
        ::sendto(sockets.datagramFd, datagram.data(), datagram.size(), 0,
                 reinterpret_cast<const sockaddr*>(&answer.to), sizeof answer.to);
    }
}

void Fleet::HandleDatagram(int fd, std::size_t onlyStation, bool toEveryStation) {
    for (;;) {
        std::uint8_t request[kDiscoveryDatagramSize];
        sockaddr_in from{};
        socklen_t size = sizeof from;
        const ssize_t got =
            ::recvfrom(fd, request, sizeof request, 0, reinterpret_cast<sockaddr*>(&from), &size);
        if (got < 0) {
            return; // drained (or an error that the next poll reports again)
        }
        if (!IsDiscoveryRequest(request, std::size_t(got))) {
            continue;
        }
        // This request's answers start after those already planned, in bursts (or all at once, unpaced).
        const bool paced = options_.answersPerBurst != 0;
        const std::chrono::milliseconds pause(paced ? options_.burstPauseMs : 0);
        const Clock::time_point start = answers_.empty() ? Clock::now() : answers_.back().due + pause;
        std::size_t planned = 0;
        for (std::size_t i = 0; i < stations_.size(); ++i) {
            if (!toEveryStation && i != onlyStation) {
                continue;
            }
            const Station& station = *stations_[i].station;
            if (station.IsDown() || HasFault(station.Faults(), Fault::DropDiscovery)) {
                continue;
            }
            // One answer waiting per station and asker is enough, and the queue has a bound: a flood of
            // requests (from one asker or many) cannot push other askers' answers far back.
            if (answers_.size() >= std::max<std::size_t>(kMaxPendingAnswers, 2 * stations_.size()) ||
                !answering_.insert({i, from.sin_addr.s_addr, from.sin_port}).second) {
                continue;
            }
            const std::int64_t burst = paced ? std::int64_t(planned++ / options_.answersPerBurst) : 0;
            answers_.push_back({i, from, start + pause * burst});
        }
    }
}

void Fleet::Accept(std::size_t station) {
    for (;;) {
        const int fd = ::accept4(stations_[station].listenFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            return;
        }
        // A session whose thread has ended holds no room, even before this loop reaps it.
        const std::size_t live =
            std::size_t(std::count_if(sessions_.begin(), sessions_.end(),
                                      [](const Session& s) { return !s.dropped && !s.finished.load(); }));
        if (stations_[station].station->IsDown() || (live >= options_.maxSessions && !DropIdlestSession())) {
            ::close(fd); // restarting (its listener closes on this loop's next turn), or no room
            continue;
        }
        Session& session = sessions_.emplace_back();
        session.fd = fd;
        session.lastActive.store(Clock::now().time_since_epoch().count());
        Station& target = *stations_[station].station;
        session.thread = std::thread([this, fd, &target, &session] {
            ServeSession(fd, target, sessionSettings_, &session.lastActive);
            session.finished.store(true);
            Wake();
        });
    }
}

bool Fleet::DropIdlestSession() {
    Session* idlest = nullptr;
    for (Session& session : sessions_) {
        if (!session.dropped && !session.finished.load() &&
            (idlest == nullptr || session.lastActive.load() < idlest->lastActive.load())) {
            idlest = &session;
        }
    }
    if (idlest == nullptr) {
        return false;
    }
    ::shutdown(idlest->fd, SHUT_RDWR); // its waits end at once; the descriptor stays open until it is reaped
    idlest->dropped = true;
    if (log_) {
        log_("dropped the session idle longest to make room");
    }
    return true;
}

void Fleet::ReapSessions(bool all) {
    for (auto it = sessions_.begin(); it != sessions_.end();) {
        if (all || it->finished.load()) {
            it->thread.join();
            ::close(it->fd);
            it = sessions_.erase(it);
        } else {
            ++it;
        }
    }
}

int Fleet::UpdateStations(Clock::time_point now) {
    std::optional<Clock::time_point> next;
    if (!answers_.empty()) {
        next = answers_.front().due;
    }
    for (StationSockets& sockets : stations_) {
        const auto downUntil = sockets.station->DownUntil();
        if (!downUntil) {
            continue;
        }
        if (HasFault(sockets.station->Faults(), Fault::StayDown)) {
            CloseListener(sockets); // never back: nothing to plan
            continue;
        }
        if (*downUntil > now) {
            CloseListener(sockets); // unreachable: connections are refused
            next = next ? std::min(*next, *downUntil) : *downUntil;
            continue;
        }
        std::string error;
        if (sockets.listenFd < 0 && !OpenListener(sockets, error)) {
            if (log_) {
                log_("station " + std::to_string(sockets.station->Index()) + ": " + error);
            }
            continue; // tried again on the next wake-up
        }
        sockets.station->ComeBack(now);
        if (log_) {
            log_("station " + std::to_string(sockets.station->Index()) + ": up again");
        }
    }
    if (!next) {
        return -1;
    }
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(*next - now).count();
    return int(std::clamp<decltype(wait)>(wait, 0, 60000));
}

void Fleet::Run() {
    std::vector<pollfd> fds;
    std::vector<std::size_t> owners; // station of each polled descriptor after the first two
    while (!stopping_.load()) {
        const Clock::time_point now = Clock::now();
        SendDueAnswers(now);
        ReapSessions(false);
        const int timeoutMs = UpdateStations(now);

        fds.assign({{wakePipe_[0], POLLIN, 0}, {broadcastFd_, POLLIN, 0}});
        owners.clear();
        for (std::size_t i = 0; i < stations_.size(); ++i) {
            fds.push_back({stations_[i].datagramFd, POLLIN, 0});
            owners.push_back(i);
            if (stations_[i].listenFd >= 0) {
                fds.push_back({stations_[i].listenFd, POLLIN, 0});
                owners.push_back(i);
            }
        }
        const int ready = ::poll(fds.data(), fds.size(), timeoutMs);
        if (ready < 0 && errno != EINTR) {
            break;
        }
        if (ready <= 0) {
            continue;
        }
        if (fds[0].revents) {
            char drain[256];
            while (::read(wakePipe_[0], drain, sizeof drain) > 0) {
            }
        }
        if (fds[1].revents) {
            HandleDatagram(broadcastFd_, 0, true);
        }
        for (std::size_t k = 2; k < fds.size(); ++k) {
            if (!fds[k].revents) {
                continue;
            }
            const std::size_t station = owners[k - 2];
            if (fds[k].fd == stations_[station].datagramFd) {
                HandleDatagram(fds[k].fd, station, false);
            } else if (fds[k].fd == stations_[station].listenFd) {
                Accept(station);
            }
        }
    }
    ReapSessions(true);
}

} // namespace corvane::sim
