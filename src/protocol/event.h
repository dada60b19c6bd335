// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <chrono>
#include <condition_variable>
#include <initializer_list>
#include <mutex>
#include <vector>

namespace corvane {

// A signal between threads that stays set until a wait takes it (automatic reset) or until Reset (manual
// reset).
class Event {
public:
    enum class ResetMode { Manual, Automatic };

    explicit Event(ResetMode mode, bool signalled = false);
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void Set();
    void Reset();
    void Wait();
    // True when the event was signalled before the time-out ran out.
    bool WaitFor(std::chrono::milliseconds timeout);
    // Blocks until one of the events is signalled and returns its position; earlier events win ties.
    static std::size_t WaitAny(std::initializer_list<Event*> events);

private:
    struct Waiter;

    bool TakeLocked();

    std::mutex mutex_;
    std::condition_variable changed_;
    const ResetMode mode_;
    bool signalled_;
    std::vector<Waiter*> waiters_; // WaitAny calls blocked on this event among others
};

} // namespace corvane
