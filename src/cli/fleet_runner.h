#pragma once

#include <cstddef>
#include <functional>

namespace corvane::cli {

// Base stations handled at once by a command for many of them: enough to hide each one's network waits,
// few enough that no station, link or descriptor table feels the fleet.
constexpr std::size_t kFleetParallelism = 8;

// Runs `job` for stations 0 to count - 1 on at most `parallel` worker threads, in order of their index. This
// thread calls `finished` for each as it ends, in the order they end, and `tick` about ten times a second
// while it waits. A job that returns false stops the fleet: stations not yet begun are never begun.
// Returns how many were begun.
std::size_t RunFleet(std::size_t count, std::size_t parallel, const std::function<bool(std::size_t)>& job,
                     const std::function<void(std::size_t)>& finished, const std::function<void()>& tick);

} // namespace corvane::cli
