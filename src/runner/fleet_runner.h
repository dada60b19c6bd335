#pragma once

#include <cstddef>
#include <functional>

namespace corvane {

// Base stations handled at once by a command for many of them, in either program: enough to hide each one's
// network waits, few enough that no station, link or descriptor table feels the fleet.
constexpr std::size_t kFleetParallelism = 8;

// Runs `job` for stations 0 to count - 1 on at most `parallel` worker threads, in order of their index. This
// thread calls `finished` for each as it ends, in the order they end, and `tick` (when given) about ten times
// a second while it waits; without one it sleeps until a station ends. A job that returns false stops the
// fleet: stations not yet begun are never begun. Returns how many were begun.
std::size_t RunFleet(std::size_t count, std::size_t parallel, const std::function<bool(std::size_t)>& job,
                     const std::function<void(std::size_t)>& finished,
                     const std::function<void()>& tick = {});

// Runs `job` for every station as RunFleet does; with `leadAlone`, the first one alone before the others, so
// that one which fails or says stop leaves every other unbegun. Returns how many were begun.
std::size_t RunFleetLeadFirst(std::size_t count, bool leadAlone, const std::function<bool(std::size_t)>& job,
                              const std::function<void(std::size_t)>& finished,
                              const std::function<void()>& tick = {});

} // namespace corvane
