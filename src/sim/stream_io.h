#pragma once

#include <cstddef>

namespace corvane::sim {

// The station's end of one TCP connection: a non-blocking socket whose every wait blocks in poll() together
// with the simulator's stop descriptor, so shutting the simulator down ends every session at once.
class StreamIo {
public:
    StreamIo(int fd, int stopFd, int timeoutMs) : fd_(fd), stopFd_(stopFd), timeoutMs_(timeoutMs) {}

    // False on time-out, stop, peer close or error.
    bool ReadExactly(void* buffer, std::size_t length);
    bool WriteAll(const void* buffer, std::size_t length);
    // Waits until the peer closes (reading and dropping what it sends), the stop descriptor fires or the
    // time-out passes.
    void WaitForPeerClose(int timeoutMs);

private:
    // True when the socket is ready for `events` before the time-out and before a stop.
    bool WaitFor(short events, int timeoutMs);

    const int fd_;
    const int stopFd_;
    const int timeoutMs_;
};

} // namespace corvane::sim
