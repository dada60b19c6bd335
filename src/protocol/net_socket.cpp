// SPDX-License-Identifier: Apache-2.0
#include "protocol/net_socket.h"

#include "config/status_codes.h"
#include "protocol/deadline.h"
#include "protocol/dotted_quad.h"
#include "protocol/socket_address.h"
#include "protocol/unique_fd.h"

#include <arpa/inet.h>
#include <atomic>
#include <cerrno>
#include <limits>
#include <memory>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <new>
#include <optional>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/uio.h>
#include <unistd.h>

namespace corvane {

struct NetSocket {
    std::uint32_t family = 0;
    std::uint32_t type = 0;
    std::uint32_t options = 0;
    UniqueFd handle;     // non-blocking from creation: every wait is a poll() below
    UniqueFd wakeHandle; // eventfd that NetSocketAbort writes, so a waiting poll() sees the abort at once
    std::atomic<bool> abortFlag{false};
    bool bound = false;
};

namespace {

constexpr std::uint32_t kKnownOptions = kOptionReuseAddress | kOptionBroadcast | kOptionJoinAllHosts;
constexpr const char* kAllHostsGroup = "224.0.0.1";
constexpr std::size_t kMaxPartsPerWrite = 64; // more parts go out in further writes

// An attempt's result: a status ends the operation; nothing means "not yet", wait for the socket and try
// again.
using Attempt = std::optional<int>;

int ErrorNumberOr(int fallback) {
    return errno > 0 ? errno : fallback;
}

bool WouldBlock() {
    return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
}

// Takes the abort flag, so that one abort ends exactly one operation.
bool TakeAbort(NetSocket& socket) {
    return socket.abortFlag.exchange(false);
}

// Blocks until the socket is ready for `events`, an abort arrives or the deadline passes; the caller
// re-checks all.
int WaitForSocket(NetSocket& socket, short events, const Deadline& deadline) {
    pollfd watched[2] = {{socket.handle.get(), events, 0}, {socket.wakeHandle.get(), POLLIN, 0}};
    timespec left{};
    if (ppoll(watched, 2, deadline.Remaining(left), nullptr) < 0 && errno != EINTR) {
        return socket_status::kSystemFailure;
    }
    if (watched[1].revents != 0) {
        std::uint64_t count = 0;
        [[maybe_unused]] const auto drained = read(socket.wakeHandle.get(), &count, sizeof count);
    }
    return 0;
}

// The polling rule every waiting operation shares: abort first, then an attempt, then the deadline, then a
// wait.
template <typename Try>
int RunUntilDone(NetSocket& socket, short events, const Deadline& deadline, Try attempt) {
    for (;;) {
        if (TakeAbort(socket)) {
            return socket_status::kAborted;
        }
        if (const Attempt result = attempt()) {
            return *result;
        }
        if (deadline.Passed()) {
            return socket_status::kTimedOut;
        }
        if (const int status = WaitForSocket(socket, events, deadline); status != 0) {
            return status;
        }
    }
}

// Sends or receives exactly `length` bytes, one piece per `move(done)` call; the deadline restarts after
// every piece, so the time-out limits the silence, not the whole transfer. A closed or reset connection ends
// it at once (retrying a send that failed outright could only end by abort). The count so far is reported
// also on failure.
template <typename Move>
int TransferAll(NetSocket& socket, short events, std::int32_t timeoutMs, std::uint32_t length,
                std::uint32_t* count, Move move) {
    std::uint32_t done = 0;
    Deadline deadline(timeoutMs);
    const int status = RunUntilDone(socket, events, deadline, [&]() -> Attempt {
        while (done < length) {
            const ssize_t moved = move(done);
            if (moved > 0) {
                done += std::uint32_t(moved);
                deadline.Restart();
            } else if (moved < 0 && WouldBlock()) {
                return std::nullopt;
            } else {
                return socket_status::kConnectionLost;
            }
        }
        return 0;
    });
    if (count != nullptr) {
        *count = done;
    }
    return status;
}

// Resolves `host` for a connect or a datagram send; a port of 0 becomes the default.
int ResolveTarget(NetSocket* socket, const char* host, std::uint16_t defaultPort, std::int32_t timeoutMs,
                  sockaddr_in& target) {
    AddressRecord address;
    std::uint16_t port = 0;
    if (const int status = ResolveHost(socket, host, 0, timeoutMs, &address, &port); status != 0) {
        return status;
    }
    if (address.kind != kAddressKindIPv4) {
        return socket_status::kBadArgument;
    }
    target = InternetAddress(address.address, port != 0 ? port : defaultPort);
    return 0;
}

int SetFlagOption(int handle, int level, int option) {
    const int on = 1;
    return setsockopt(handle, level, option, &on, sizeof on) == 0 ? 0 : socket_status::kSystemFailure;
}

// Binds a datagram socket to a system-chosen port at its first send, joining the all-hosts group if asked.
int BindForSending(NetSocket& socket) {
    const sockaddr_in any = InternetAddress(INADDR_ANY, 0);
    if (bind(socket.handle.get(), reinterpret_cast<const sockaddr*>(&any), sizeof any) != 0) {
        return socket_status::kSystemFailure;
    }
    socket.bound = true;
    if ((socket.options & kOptionJoinAllHosts) != 0) {
        ip_mreq membership{};
        inet_pton(AF_INET, kAllHostsGroup, &membership.imr_multiaddr);
        membership.imr_interface.s_addr = htonl(INADDR_ANY);
        if (setsockopt(socket.handle.get(), IPPROTO_IP, IP_ADD_MEMBERSHIP, &membership, sizeof membership) !=
            0) {
            return ErrorNumberOr(socket_status::kSystemFailure);
        }
    }
    return 0;
}

} // namespace

int StartSockets() {
    static std::atomic<bool> started{false};
    if (!started.load()) {
        // Nothing to initialise on POSIX; what can fail is the system offering no IPv4 sockets at all.
        const int probe = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        if (probe < 0) {
            return socket_status::kSocketsUnavailable;
        }
        close(probe);
        started.store(true);
    }
    return 0;
}

int NetSocketCreate(std::uint32_t family, std::uint32_t type, std::uint32_t options, NetSocket** out) {
    if (family != kFamilyInternet || (type != kSocketStream && type != kSocketDatagram) ||
        (options & ~kKnownOptions) != 0 || out == nullptr) {
        return socket_status::kBadArgument;
    }
    if (StartSockets() != 0) {
        return socket_status::kSocketsUnavailable;
    }
    std::unique_ptr<NetSocket> socket(new (std::nothrow) NetSocket);
    if (!socket) {
        return socket_status::kOutOfMemory;
    }
    socket->family = family;
    socket->type = type;
    socket->options = options;
    const int kind = type == kSocketStream ? SOCK_STREAM : SOCK_DGRAM;
    socket->handle = UniqueFd(::socket(AF_INET, kind | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    socket->wakeHandle = UniqueFd(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC));
    int status = socket->handle.valid() && socket->wakeHandle.valid() ? 0 : socket_status::kSystemFailure;
    if (status == 0 && type == kSocketStream) {
        // Requests are written whole; holding back their last piece for an acknowledgement only adds latency.
        status = SetFlagOption(socket->handle.get(), IPPROTO_TCP, TCP_NODELAY);
    }
    if (status == 0 && (options & kOptionReuseAddress) != 0) {
        status = SetFlagOption(socket->handle.get(), SOL_SOCKET, SO_REUSEADDR);
    }
    if (status == 0 && (options & kOptionBroadcast) != 0) {
        status = SetFlagOption(socket->handle.get(), SOL_SOCKET, SO_BROADCAST);
    }
    if (status != 0) {
        return status;
    }
    *out = socket.release();
    return 0;
}

int NetSocketClose(NetSocket* socket, std::uint32_t reserved) {
    if (socket == nullptr || reserved != 0) {
        return socket_status::kBadArgument;
    }
    delete socket; // its descriptors close with it
    return 0;
}

int NetSocketAbort(NetSocket* socket, std::uint32_t reserved) {
    if (socket == nullptr || reserved != 0) {
        return socket_status::kBadArgument;
    }
    socket->abortFlag.store(true);
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto woken = write(socket->wakeHandle.get(), &one, sizeof one);
    return 0;
}

int NetSocketConnect(NetSocket* socket, const char* host, std::uint16_t defaultPort, std::uint32_t reserved,
                     std::int32_t timeoutMs) {
    if (socket == nullptr || reserved != 0 || socket->type != kSocketStream) {
        return socket_status::kBadArgument;
    }
    sockaddr_in target{};
    if (const int status = ResolveTarget(socket, host, defaultPort, timeoutMs, target); status != 0) {
        return status;
    }
    bool started = false;
    return RunUntilDone(*socket, POLLOUT, Deadline(timeoutMs), [&]() -> Attempt {
        if (!started) {
            started = true;
            if (connect(socket->handle.get(), reinterpret_cast<const sockaddr*>(&target), sizeof target) ==
                    0 ||
                errno == EISCONN) {
                return 0;
            }
            if (errno == EINPROGRESS || errno == EALREADY || errno == EINTR) {
                return std::nullopt;
            }
            return ErrorNumberOr(socket_status::kSystemFailure);
        }
        int error = 0;
        socklen_t size = sizeof error;
        if (getsockopt(socket->handle.get(), SOL_SOCKET, SO_ERROR, &error, &size) != 0) {
            return ErrorNumberOr(socket_status::kSystemFailure);
        }
        if (error != 0) {
            return error;
        }
        sockaddr_in peer{};
        socklen_t peerSize = sizeof peer;
        if (getpeername(socket->handle.get(), reinterpret_cast<sockaddr*>(&peer), &peerSize) == 0) {
            return 0;
        }
        return std::nullopt; // still connecting
    });
}

int NetSocketSend(NetSocket* socket, std::uint32_t length, const void* buffer, std::uint32_t* sent,
                  std::uint32_t flags, std::int32_t timeoutMs) {
    if (socket == nullptr || flags != 0 || (buffer == nullptr && length != 0)) {
        return socket_status::kBadArgument;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    return TransferAll(*socket, POLLOUT, timeoutMs, length, sent, [&](std::uint32_t done) {
        return send(socket->handle.get(), bytes + done, length - done, MSG_NOSIGNAL);
    });
}

int NetSocketSendParts(NetSocket* socket, std::span<const std::span<const std::uint8_t>> parts,
                       std::uint32_t* sent, std::int32_t timeoutMs) {
    std::uint64_t length = 0;
    for (const auto& part : parts) {
        length += part.size();
    }
    if (socket == nullptr || length > std::numeric_limits<std::uint32_t>::max()) {
        return socket_status::kBadArgument;
    }
    return TransferAll(*socket, POLLOUT, timeoutMs, std::uint32_t(length), sent, [&](std::uint32_t done) {
        // The parts from byte `done` on, as far as one write takes them.
        iovec pieces[kMaxPartsPerWrite];
        std::size_t count = 0;
        std::uint64_t skip = done;
        for (const auto& part : parts) {
            if (count == kMaxPartsPerWrite) {
                break;
            }
            if (skip >= part.size()) {
                skip -= part.size();
                continue;
            }
            pieces[count++] = {const_cast<std::uint8_t*>(part.data() + skip),
                               std::size_t(part.size() - skip)};
            skip = 0;
        }
        msghdr message{};
        message.msg_iov = pieces;
        message.msg_iovlen = count;
        return sendmsg(socket->handle.get(), &message, MSG_NOSIGNAL);
    });
}

int NetSocketReceive(NetSocket* socket, std::uint32_t length, void* buffer, std::uint32_t* received,
                     std::uint32_t flags, std::int32_t timeoutMs) {
    // Peeking (flag 2) is not offered: no caller uses it, and waiting for more bytes than a peek shows could
    // only spin, since the socket stays readable.
    if (socket == nullptr || flags != 0 || (buffer == nullptr && length != 0)) {
        return socket_status::kBadArgument;
    }
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    return TransferAll(*socket, POLLIN, timeoutMs, length, received, [&](std::uint32_t done) {
        return recv(socket->handle.get(), bytes + done, length - done, 0);
    });
}

int NetSocketSendTo(NetSocket* socket, std::uint32_t reserved, std::int32_t timeoutMs, const char* host,
                    std::uint16_t defaultPort, std::uint32_t length, const void* buffer,
                    std::uint32_t* sent) {
    if (socket == nullptr || reserved != 0 || (buffer == nullptr && length != 0)) {
        return socket_status::kBadArgument;
    }
    sockaddr_in target{};
    if (const int status = ResolveTarget(socket, host, defaultPort, timeoutMs, target); status != 0) {
        return status;
    }
    if (!socket->bound) {
        if (const int status = BindForSending(*socket); status != 0) {
            return status;
        }
    }
    const ssize_t count = sendto(socket->handle.get(), buffer, length, MSG_NOSIGNAL,
                                 reinterpret_cast<const sockaddr*>(&target), sizeof target);
    if (count < 0) {
        return ErrorNumberOr(socket_status::kSystemFailure);
    }
    if (sent != nullptr) {
        *sent = std::uint32_t(count);
    }
    return 0;
}

int NetSocketSetReceiveBuffer(NetSocket* socket, std::uint32_t bytes, std::uint32_t* granted) {
    if (socket == nullptr || bytes > std::uint32_t(std::numeric_limits<int>::max())) {
        return socket_status::kBadArgument;
    }
    const int wanted = int(bytes);
    if (setsockopt(socket->handle.get(), SOL_SOCKET, SO_RCVBUF, &wanted, sizeof wanted) != 0) {
        return ErrorNumberOr(socket_status::kSystemFailure);
    }
    int size = 0;
    socklen_t length = sizeof size;
    if (getsockopt(socket->handle.get(), SOL_SOCKET, SO_RCVBUF, &size, &length) != 0) {
        return ErrorNumberOr(socket_status::kSystemFailure);
    }
    if (granted != nullptr) {
        *granted = std::uint32_t(size);
    }
    return 0;
}

int NetSocketReceiveFrom(NetSocket* socket, std::uint32_t reserved, std::int32_t timeoutMs,
                         std::uint32_t length, void* buffer, std::uint32_t* received, AddressRecord* from,
                         std::string* fromText) {
    if (socket == nullptr || reserved != 0 || (buffer == nullptr && length != 0)) {
        return socket_status::kBadArgument;
    }
    return RunUntilDone(*socket, POLLIN, Deadline(timeoutMs), [&]() -> Attempt {
        sockaddr_in sender{};
        socklen_t senderSize = sizeof sender;
        const ssize_t count = recvfrom(socket->handle.get(), buffer, length, 0,
                                       reinterpret_cast<sockaddr*>(&sender), &senderSize);
        if (count <= 0) {
            return std::nullopt; // nothing there, an empty datagram or an error: keep listening
        }
        const std::uint32_t address = ntohl(sender.sin_addr.s_addr);
        if (received != nullptr) {
            *received = std::uint32_t(count);
        }
        if (from != nullptr) {
            *from = AddressRecord{kAddressKindIPv4, address};
        }
        if (fromText != nullptr) {
            *fromText = FormatDottedQuad(address);
        }
        return 0;
    });
}

} // namespace corvane
