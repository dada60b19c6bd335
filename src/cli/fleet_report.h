// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_io.h"
#include "cli/fleet_station.h"
#include "cli/terminal_progress.h"

#include <QString>
#include <cstddef>
#include <vector>

namespace corvane::cli {

// What a fleet command tells: a line on standard output for each station as it ends (none with --json),
// "12/40 stations" on a terminal meanwhile, and at the end a summary (with --json, the whole JSON document).
class FleetReport {
public:
    FleetReport(CliIo& io, bool json, std::size_t total);

    // Called on the thread that waits for the fleet.
    void Ended(const FleetStation& station);
    void Waiting();

    // The summary of `stations` ("N of M base station(s) <succeeded>, ..."); the exit status: interrupted,
    // success when every station succeeded, else kExitSomeFailed.
    int Finish(const std::vector<FleetStation>& stations, const QString& succeeded);

private:
    CliIo& io_;
    bool json_;
    std::size_t total_;
    std::size_t ended_ = 0;
    TerminalProgress progress_;
};

} // namespace corvane::cli
