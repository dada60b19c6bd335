#include "cli/fleet_schedule.h"

#include "cli/exit_codes.h"
#include "cli/fleet_runner.h"
#include "cli/station_session.h"

#include <algorithm>
#include <atomic>

namespace corvane::cli {

void ScheduleFleet(CliIo& io, std::vector<FleetStation>& stations,
                   const std::function<bool(FleetStation&, FleetPlace&)>& job, bool leadAlone,
                   FleetReport& report) {
    std::vector<std::size_t> runnable;
    for (std::size_t i = 0; i < stations.size(); ++i) {
        if (stations[i].outcome.ok()) {
            runnable.push_back(i);
        } else {
            stations[i].begun = true;
            report.Ended(stations[i]);
        }
    }
    std::atomic<bool> stopped{false};
    const auto runStations = [&](std::size_t from, std::size_t to) {
        RunFleet(
            to - from, kFleetParallelism, kFleetWaiting,
            [&](std::size_t n, FleetPlace& place) {
                FleetStation& station = stations[runnable[from + n]];
                station.begun = true;
                if (!job(station, place) || station.outcome.exit == kExitInterrupted) {
                    stopped.store(true);
                }
                return !stopped.load();
            },
            [&](std::size_t n) { report.Ended(stations[runnable[from + n]]); }, [&] { report.Waiting(); });
    };
    RunInterruptible(io, [&] {
        const std::size_t lead = leadAlone ? std::min<std::size_t>(1, runnable.size()) : 0;
        runStations(0, lead);
        if (!stopped.load()) {
            runStations(lead, runnable.size());
        }
        return 0;
    });
}

} // namespace corvane::cli
