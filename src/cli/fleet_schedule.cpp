// SPDX-License-Identifier: Apache-2.0
#include "cli/fleet_schedule.h"

#include "cli/exit_codes.h"
#include "cli/station_session.h"
#include "runner/fleet_runner.h"

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
    RunInterruptible(io, [&] {
        RunFleetLeadFirst(
            runnable.size(), leadAlone,
            [&](std::size_t n, FleetPlace& place) {
                FleetStation& station = stations[runnable[n]];
                station.begun = true;
                return job(station, place) && station.outcome.exit != kExitInterrupted;
            },
            [&](std::size_t n) { report.Ended(stations[runnable[n]]); }, [&] { report.Waiting(); });
        return 0;
    });
}

} // namespace corvane::cli
