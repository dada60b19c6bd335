// SPDX-License-Identifier: Apache-2.0
#include "runner/fleet_runner.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace corvane {

namespace {
constexpr std::chrono::milliseconds kTickInterval{100};
} // namespace

void FleetPlace::WaitWithout(const std::function<void()>& wait) {
    places_.release();
    wait();
    places_.acquire();
}

std::size_t RunFleet(std::size_t count, std::size_t parallel, std::size_t waiting, const FleetJob& job,
                     const std::function<void(std::size_t)>& finished, const std::function<void()>& tick) {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::size_t> ended; // guarded by mutex
    std::size_t working = 0;       // guarded by mutex
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stopped{false};

    parallel = std::max<std::size_t>(parallel, 1);
    std::counting_semaphore<> places{std::ptrdiff_t(parallel)};
    const std::size_t workers = std::min(count, parallel + waiting);
    std::vector<std::thread> threads;
    working = workers;
    for (std::size_t w = 0; w < workers; ++w) {
        threads.emplace_back([&] {
            FleetPlace place(places);
            for (;;) {
                // The next station is taken only with a place, so none begins after the fleet stopped.
                places.acquire();
                const std::size_t index = stopped.load() ? count : next.fetch_add(1);
                if (index >= count) {
                    places.release();
                    break;
                }
                if (!job(index, place)) {
                    stopped.store(true);
                }
                places.release();
                const std::lock_guard lock(mutex);
                ended.push_back(index);
                changed.notify_one();
            }
            const std::lock_guard lock(mutex);
            --working;
            changed.notify_one();
        });
    }

    std::unique_lock lock(mutex);
    for (;;) {
        const auto endedOrDone = [&] { return !ended.empty() || working == 0; };
        if (tick) {
            changed.wait_for(lock, kTickInterval, endedOrDone);
        } else {
            changed.wait(lock, endedOrDone);
        }
        while (!ended.empty()) {
            const std::size_t index = ended.front();
            ended.pop_front();
            lock.unlock();
            finished(index);
            lock.lock();
        }
        if (working == 0) {
            break;
        }
        if (tick) {
            lock.unlock();
            tick();
            lock.lock();
        }
    }
    lock.unlock();
    for (std::thread& thread : threads) {
        thread.join();
    }
    return std::min(next.load(), count);
}

std::size_t RunFleetLeadFirst(std::size_t count, bool leadAlone, const FleetJob& job,
                              const std::function<void(std::size_t)>& finished,
                              const std::function<void()>& tick) {
    std::atomic<bool> stopped{false};
    const auto runStations = [&](std::size_t from, std::size_t to) {
        return RunFleet(
            to - from, kFleetParallelism, kFleetWaiting,
            [&](std::size_t n, FleetPlace& place) {
                if (!job(from + n, place)) {
                    stopped.store(true);
                }
                return !stopped.load();
            },
            [&](std::size_t n) { finished(from + n); }, tick);
    };
    const std::size_t lead = leadAlone ? std::min<std::size_t>(1, count) : 0;
    std::size_t begun = runStations(0, lead);
    if (!stopped.load()) {
        begun += runStations(lead, count);
    }
    return begun;
}

} // namespace corvane
