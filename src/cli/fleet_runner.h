#pragma once

#include <cstddef>
#include <functional>
#include <semaphore>

namespace corvane::cli {

// Base stations handled at once by a command for many of them: enough to hide each one's network waits,
// few enough that no station, link or descriptor table feels the fleet.
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

// Runs `job` for stations 0 to count - 1, at most `parallel` at a time and `waiting` more that gave up their
// place to wait, in order of their index. This thread calls `finished` for each as it ends, in the order they
// end, and `tick` about ten times a second while it waits. A job that returns false stops the fleet: stations
// not yet begun are never begun. Returns how many were begun.
std::size_t RunFleet(std::size_t count, std::size_t parallel, std::size_t waiting,
                     const std::function<bool(std::size_t, FleetPlace&)>& job,
                     const std::function<void(std::size_t)>& finished, const std::function<void()>& tick);

} // namespace corvane::cli
