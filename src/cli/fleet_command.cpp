// SPDX-License-Identifier: Apache-2.0
#include "cli/fleet_command.h"

#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/fleet_report.h"
#include "cli/fleet_schedule.h"
#include "cli/station_scan.h"
#include "cli/terminal_progress.h"
#include "files/file_name.h"
#include "protocol/dotted_quad.h"
#include "runner/fleet_runner.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace corvane::cli {

namespace {

// A station answers discovery within milliseconds; this leaves room for a few lost datagrams.
constexpr std::chrono::seconds kIdentifyTime{3};

} // namespace

bool ParseFleetCommand(const QString& lastName, QStringList positional, CliIo& io, FleetCommand& command,
                       int& code) {
    if (QString error; !ParseStationTimes(command.arguments, command.model, error)) {
        code = UsageError(io, error);
        return false;
    }
    const bool all = command.arguments.Has(kAllOption);
    const qsizetype last = lastName.isEmpty() ? 0 : 1;
    if ((all && positional.size() != last) || (!all && positional.size() < 1 + last)) {
        code = UsageError(io, lastName.isEmpty()
                                  ? QStringLiteral("expected HOST..., or --all")
                                  : QStringLiteral("expected HOST... %1, or --all %1").arg(lastName));
        return false;
    }
    if (!all && command.arguments.Has(kTargetOption)) {
        code = UsageError(io, QStringLiteral("--target goes with --all"));
        return false;
    }
    if (last != 0) {
        command.last = positional.takeLast();
    }
    command.hosts = positional;
    return true;
}

bool GatherStations(CliIo& io, const FleetCommand& command, std::vector<FleetStation>& stations, int& code) {
    if (!command.arguments.Has(kAllOption)) {
        for (const QString& host : command.hosts) {
            FleetStation& station = stations.emplace_back();
            station.target = command.model;
            station.outcome = ResolveTarget(host, station.target);
            if (station.outcome.exit == kExitUsage) {
                code = UsageError(io, station.outcome.message);
                return false;
            }
        }
        return true;
    }
    ScanTarget scan;
    QString error;
    if (!ParseScanTarget(command.arguments, scan, error)) {
        code = UsageError(io, error);
        return false;
    }
    std::vector<std::unique_ptr<ConfigRecord>> found;
    int status = 0;
    {
        TerminalProgress progress(io.err, io.errIsTerminal);
        RunFleet(
            1, 1, 0,
            [&](std::size_t, FleetPlace&) {
                status = ScanStations(scan, found);
                return true;
            },
            [](std::size_t) {}, [&] { progress.Show(QStringLiteral("Scanning for base stations")); });
    }
    if (status != 0) {
        code = Fail(io, kExitStationFailed, StationFailureText(status));
        return false;
    }
    if (found.empty()) {
        code = Fail(io, kExitStationFailed, QStringLiteral("no base station answered the scan"));
        return false;
    }
    for (const auto& answer : found) {
        FleetStation& station = stations.emplace_back();
        station.target = command.model;
        station.target.host = QString::fromStdString(FormatDottedQuad(answer->stationAddress));
        station.target.station.address = answer->stationAddress;
        station.target.discoveryPort = scan.port; // where it answered; its restart is awaited there too
        station.answer = *answer;
        station.identified = true;
    }
    return true;
}

int RunForFleet(CliIo& io, const FleetCommand& command, std::vector<FleetStation>& stations,
                const std::function<bool(FleetStation&, FleetPlace&)>& job, const QString& succeeded,
                bool leadAlone) {
    FleetReport report(io, command.arguments.Has(kJsonOption), stations.size());
    ScheduleFleet(io, stations, job, leadAlone, report);
    return report.Finish(stations, succeeded);
}

int IdentifyStations(CliIo& io, std::vector<FleetStation>& stations, std::vector<ConfigRecord>& read) {
    read.resize(stations.size());
    std::vector<std::size_t> unknown;
    for (std::size_t i = 0; i < stations.size(); ++i) {
        if (!stations[i].identified && stations[i].outcome.ok()) {
            unknown.push_back(i);
        }
    }
    TerminalProgress progress(io.err, io.errIsTerminal);
    RunInterruptible(io, [&] {
        RunFleet(
            unknown.size(), kFleetParallelism, 0,
            [&](std::size_t n, FleetPlace&) {
                FleetStation& station = stations[unknown[n]];
                // Within --timeout too, as every exchange with a station.
                const auto limit = std::min<std::chrono::milliseconds>(kIdentifyTime, station.target.timeout);
                station.outcome = IdentifyStation(station.target, io.interruptFd, limit, station.answer);
                if (!station.outcome.ok() && station.outcome.exit != kExitInterrupted) {
                    const Outcome unanswered = station.outcome;
                    station.outcome = ReadConfigurationOf(station.target, io.interruptFd, read[unknown[n]]);
                    station.answer.syNm = read[unknown[n]].syNm;
                    station.namedByAddress = station.outcome.ok();
                    if (!station.outcome.ok() && station.outcome.exit != kExitInterrupted) {
                        station.outcome.message =
                            unanswered.message + QLatin1Char('\n') + station.outcome.message;
                    }
                }
                station.identified = station.outcome.ok();
                return station.outcome.exit != kExitInterrupted;
            },
            [](std::size_t) {},
            [&] { progress.Show(QStringLiteral("Asking the base stations their names")); });
        return 0;
    });
    for (const FleetStation& station : stations) {
        if (station.namedByAddress) {
            io.err << QStringLiteral(
                          "corvane: warning: %1: the base station did not answer discovery; its file "
                          "is named by its configuration's name and its address")
                          .arg(station.target.host)
                   << Qt::endl;
        }
    }
    const auto interrupted = std::find_if(stations.begin(), stations.end(), [](const FleetStation& station) {
        return station.outcome.exit == kExitInterrupted;
    });
    return interrupted == stations.end() ? kExitSuccess : Report(io, interrupted->outcome);
}

bool PrepareDirectory(const QString& path, QString& reason) {
    const QByteArray name = FileNameBytes(path);
    struct stat existing {};
    if (::stat(name.constData(), &existing) == 0) {
        if (S_ISDIR(existing.st_mode)) {
            return true;
        }
        reason = QStringLiteral("not a directory");
        return false;
    }
    if (::mkdir(name.constData(), S_IRWXU) != 0) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
}

} // namespace corvane::cli
