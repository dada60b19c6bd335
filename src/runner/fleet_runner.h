// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <functional>
#include <semaphore>

namespace corvane {

// Base stations handled at once by a command for many of them, in either program: enough to hide each one's
// network waits, few enough that no station, link or descriptor table feels the fleet.
constexpr std::size_t kFleetParallelism = 8;
// Stations that may wait for their restart at once beside those handled: a wait asks the station now and
// then by a datagram and costs no place, so a fleet restarts in a few waves instead of one per place.
constexpr std::size_t kFleetWaiting = 56;

// A job's place among the fleet's `parallel` ones.
class FleetPlace {
public:
    explicit FleetPlace(std::counting_semaphore<>& places) : places_(places) {}
    // Runs `wait` without the place, so another station may begin meanwhile; takes a place again after.
    void WaitWithout(const std::function<void()>& wait);

private:
    std::counting_semaphore<>& places_;
};

using FleetJob = std::function<bool(std::size_t station, FleetPlace& place)>;

// Runs `job` for stations 0 to count - 1, at most `parallel` at a time and `waiting` more that gave up their
// place to wait, in order of their index. This thread calls `finished` for each as it ends, in the order they
// end, and `tick` (when given) about ten times a second while it waits; without one it sleeps until a station
// ends. A job that returns false stops the fleet: stations not yet begun are never begun. Returns how many
// were begun.
std::size_t RunFleet(std::size_t count, std::size_t parallel, std::size_t waiting, const FleetJob& job,
                     const std::function<void(std::size_t)>& finished,
                     const std::function<void()>& tick = {});

// Runs `job` for every station as RunFleet does (kFleetParallelism at a time, kFleetWaiting more waiting);
// with `leadAlone`, the first one alone before the others, so that one which fails or says stop leaves every
// other unbegun. Returns how many were begun.
std::size_t RunFleetLeadFirst(std::size_t count, bool leadAlone, const FleetJob& job,
                              const std::function<void(std::size_t)>& finished,
                              const std::function<void()>& tick = {});

} // namespace corvane
