// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_io.h"
#include "cli/fleet_report.h"
#include "cli/fleet_station.h"
#include "runner/fleet_runner.h"

#include <functional>
#include <vector>

namespace corvane::cli {

// Runs `job` for every station, kFleetParallelism at a time and kFleetWaiting more waiting for their restart
// (with `leadAlone`, the first one alone before the others); a job that returns false, or one interrupted,
// stops the fleet: stations not yet begun are never begun. Stations whose name could not be resolved have
// failed before anything begins. `report` hears of each station as it ends, and of the waits between.
void ScheduleFleet(CliIo& io, std::vector<FleetStation>& stations,
                   const std::function<bool(FleetStation&, FleetPlace&)>& job, bool leadAlone,
                   FleetReport& report);

} // namespace corvane::cli
