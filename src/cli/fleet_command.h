// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_io.h"
#include "cli/command_line.h"
#include "cli/fleet_station.h"
#include "cli/station_session.h"
#include "config/config_record.h"
#include "runner/fleet_runner.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace corvane::cli {

// The command line of a fleet command: HOST..., or --all, and (backup, upload) the last positional word.
struct FleetCommand {
    const CommandLine& arguments;
    StationTarget model; // password, times
    QStringList hosts;
    QString last;
};

// --timeout, --wait, and of the `positional` words HOST... or --all, then (unless `lastName` is empty) the
// last word, which `lastName` names in the usage error. False with the exit status in `code`.
bool ParseFleetCommand(const QString& lastName, QStringList positional, CliIo& io, FleetCommand& command,
                       int& code);

// The stations a fleet command is for: those that answer a scan (--all), or the hosts named. False with the
// exit status in `code` when there is none to work on.
bool GatherStations(CliIo& io, const FleetCommand& command, std::vector<FleetStation>& stations, int& code);

// Asks each station not found by a scan for its discovery answer, which names its file, a few at a time. A
// station that does not answer (UDP filtered, a forwarded TCP port) but whose configuration can be read is
// named by that configuration's name and its address; its configuration is kept in `read`. The exit status:
// an interrupt stops the command.
int IdentifyStations(CliIo& io, std::vector<FleetStation>& stations, std::vector<ConfigRecord>& read);

// A directory for backups, made owner-only when it is new (its parent must exist). False with the reason.
bool PrepareDirectory(const QString& path, QString& reason);

// Runs `job` for every station, then tells how the fleet did ("N of M base station(s) <succeeded>, ..."); the
// exit status.
int RunForFleet(CliIo& io, const FleetCommand& command, std::vector<FleetStation>& stations,
                const std::function<bool(FleetStation&, FleetPlace&)>& job, const QString& succeeded,
                bool leadAlone);

} // namespace corvane::cli
