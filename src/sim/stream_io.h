// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace corvane::sim {

// The station's end of one TCP connection: a non-blocking socket whose every wait blocks in poll() together
// with the simulator's stop descriptor, so shutting the simulator down ends every session at once.
class StreamIo {
public:
    // `activity`, when given, gets the steady clock's count at every piece of data that goes through.
    StreamIo(int fd, int stopFd, int timeoutMs, std::atomic<std::int64_t>* activity = nullptr)
        : fd_(fd), stopFd_(stopFd), timeoutMs_(timeoutMs), activity_(activity) {}

    // False on time-out, stop, peer close or error.
    bool ReadExactly(void* buffer, std::size_t length);
    // Reads `length` bytes into `bytes`, growing it as they arrive: a length announced but never sent costs
    // no memory.
    bool ReadGrowing(std::vector<std::uint8_t>& bytes, std::size_t length);
    bool WriteAll(const void* buffer, std::size_t length);
    // Waits until the peer closes (reading and dropping what it sends), the stop descriptor fires or the
    // time-out passes.
    void WaitForPeerClose(int timeoutMs);

private:
    // True when the socket is ready for `events` before the time-out and before a stop.
    bool WaitFor(short events, int timeoutMs);
    void Moved();

    const int fd_;
    const int stopFd_;
    const int timeoutMs_;
    std::atomic<std::int64_t>* const activity_;
};

} // namespace corvane::sim
