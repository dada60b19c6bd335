// SPDX-License-Identifier: Apache-2.0
#include "protocol/event.h"

#include <algorithm>

namespace corvane {

// One WaitAny call, registered with every event it watches so that any of them can wake it.
struct Event::Waiter {
    std::mutex mutex;
    std::condition_variable wake;
    bool woken = false;
};

Event::Event(ResetMode mode, bool signalled) : mode_(mode), signalled_(signalled) {}

void Event::Set() {
    std::lock_guard lock(mutex_);
    signalled_ = true;
    for (Waiter* waiter : waiters_) {
        std::lock_guard waiterLock(waiter->mutex);
        waiter->woken = true;
        waiter->wake.notify_one();
    }
    changed_.notify_all();
}

void Event::Reset() {
    std::lock_guard lock(mutex_);
    signalled_ = false;
}

bool Event::TakeLocked() {
    if (!signalled_) {
        return false;
    }
    if (mode_ == ResetMode::Automatic) {
        signalled_ = false;
    }
    return true;
}

void Event::Wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return signalled_; });
    TakeLocked();
}

bool Event::WaitFor(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    if (!changed_.wait_until(lock, deadline, [this] { return signalled_; })) {
        return false;
    }
    return TakeLocked();
}

std::size_t Event::WaitAny(std::initializer_list<Event*> events) {
    Waiter waiter;
    // Registered before looking, so a Set between the look and the wait still wakes us.
    for (Event* event : events) {
        std::lock_guard lock(event->mutex_);
        event->waiters_.push_back(&waiter);
    }
    std::size_t found = events.size();
    while (found == events.size()) {
        for (std::size_t i = 0; i < events.size() && found == events.size(); ++i) {
            Event* event = events.begin()[i];
            std::lock_guard lock(event->mutex_);
            if (event->TakeLocked()) {
                found = i;
            }
        }
        if (found == events.size()) {
            std::unique_lock lock(waiter.mutex);
            waiter.wake.wait(lock, [&waiter] { return waiter.woken; });
            waiter.woken = false;
        }
    }
    for (Event* event : events) {
        std::lock_guard lock(event->mutex_);
        std::erase(event->waiters_, &waiter);
    }
    return found;
}

} // namespace corvane
