// SPDX-License-Identifier: Apache-2.0
#include "sim/stream_io.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <poll.h>
#include <sys/socket.h>

namespace corvane::sim {

bool StreamIo::WaitFor(short events, int timeoutMs) {
    pollfd fds[2] = {{fd_, events, 0}, {stopFd_, POLLIN, 0}};
    for (;;) {
        const int ready = ::poll(fds, 2, timeoutMs);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0 || (fds[1].revents & POLLIN)) {
            return false;
        }
        return fds[0].revents != 0;
    }
}

void StreamIo::Moved() {
    if (activity_ != nullptr) {
        activity_->store(std::chrono::steady_clock::now().time_since_epoch().count());
    }
}

bool StreamIo::ReadGrowing(std::vector<std::uint8_t>& bytes, std::size_t length) {
    constexpr std::size_t kPiece = 64 * 1024;
    bytes.clear();
    while (bytes.size() < length) {
        const std::size_t at = bytes.size();
        bytes.resize(at + std::min(kPiece, length - at));
        if (!ReadExactly(bytes.data() + at, bytes.size() - at)) {
            return false;
        }
    }
    return true;
}

bool StreamIo::ReadExactly(void* buffer, std::size_t length) {
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    while (length > 0) {
        const ssize_t got = ::recv(fd_, bytes, length, 0);
        if (got > 0) {
            bytes += got;
            length -= std::size_t(got);
            Moved();
            continue;
        }
        if (got == 0) {
            return false;
        }
        if (errno == EINTR) {
            continue;
        }
        if ((errno != EAGAIN && errno != EWOULDBLOCK) || !WaitFor(POLLIN, timeoutMs_)) {
            return false;
        }
    }
    return true;
}

bool StreamIo::WriteAll(const void* buffer, std::size_t length) {
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    while (length > 0) {
        const ssize_t sent = ::send(fd_, bytes, length, MSG_NOSIGNAL);
        if (sent > 0) {
            bytes += sent;
            length -= std::size_t(sent);
            Moved();
            continue;
        }
        if (sent < 0 && errno == EINTR) {
            continue;
        }
        if (sent == 0 || (errno != EAGAIN && errno != EWOULDBLOCK) || !WaitFor(POLLOUT, timeoutMs_)) {
            return false;
        }
    }
    return true;
}

void StreamIo::WaitForPeerClose(int timeoutMs) {
    std::uint8_t sink[4096];
    while (WaitFor(POLLIN, timeoutMs)) {
        const ssize_t got = ::recv(fd_, sink, sizeof sink, 0);
        if (got == 0 || (got < 0 && errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK)) {
            return;
        }
    }
}

} // namespace corvane::sim
