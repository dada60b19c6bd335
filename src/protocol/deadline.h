// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <ctime>

namespace corvane {

// The end of a socket wait on the monotonic clock: a time-out of 0 never ends, a negative one ends after 1
// ms.
class Deadline {
public:
    explicit Deadline(std::int32_t timeoutMs)
        : timeout_(timeoutMs < 0 ? 1 : timeoutMs), never_(timeoutMs == 0) {
        Restart();
    }

    // Counts the whole time-out again from now (after a piece of data went through).
    void Restart() { end_ = Clock::now() + timeout_; }

    bool Passed() const { return !never_ && Clock::now() >= end_; }

    // The time left for ppoll(), or null for no limit.
    const timespec* Remaining(timespec& out) const {
        if (never_) {
            return nullptr;
        }
        const auto left = std::max(Clock::duration::zero(), end_ - Clock::now());
        const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(left);
        out.tv_sec = static_cast<std::time_t>(seconds.count());
        out.tv_nsec =
            static_cast<long>(std::chrono::duration_cast<std::chrono::nanoseconds>(left - seconds).count());
        return &out;
    }

private:
    using Clock = std::chrono::steady_clock;
    std::chrono::milliseconds timeout_;
    bool never_;
    Clock::time_point end_;
};

} // namespace corvane
