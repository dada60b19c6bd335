// backup, and upload to several stations: one command for a whole fleet, a few stations at a time.
#include "cli/backup_file_name.h"
#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "cli/config_io.h"
#include "cli/exit_codes.h"
#include "cli/fleet_report.h"
#include "cli/fleet_runner.h"
#include "cli/fleet_schedule.h"
#include "cli/fleet_station.h"
#include "cli/station_scan.h"
#include "cli/station_session.h"
#include "cli/terminal_progress.h"
#include "files/file_name.h"
#include "protocol/dotted_quad.h"
#include "protocol/station_exchanges.h"
#include "protocol/station_operations.h"

#include <QDir>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace corvane::cli {

namespace {

// A station answers discovery within milliseconds; this leaves room for a few lost datagrams.
constexpr std::chrono::seconds kIdentifyTime{3};

// The command line of a fleet command: HOST... and the last positional word (DIR or IMAGE), or --all.
struct FleetCommand {
    const CommandLine& arguments;
    StationTarget model; // password, times
    QStringList hosts;
    QString last;
};

bool ParseFleetCommand(const QString& lastName, CliIo& io, FleetCommand& command, int& code) {
    if (QString error; !ParseStationTimes(command.arguments, command.model, error)) {
        code = UsageError(io, error);
        return false;
    }
    QStringList positional = command.arguments.positional();
    const bool all = command.arguments.Has(kAllOption);
    if (positional.isEmpty() || (all && positional.size() != 1) || (!all && positional.size() < 2)) {
        code = UsageError(io, QStringLiteral("expected HOST... %1, or --all %1").arg(lastName));
        return false;
    }
    if (!all && command.arguments.Has(kTargetOption)) {
        code = UsageError(io, QStringLiteral("--target goes with --all"));
        return false;
    }
    command.last = positional.takeLast();
    command.hosts = positional;
    return true;
}

// The stations a fleet command is for: those that answer a scan (--all), or the hosts named. False with the
// exit status in `code` when there is none to work on.
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
            1, 1,
            [&](std::size_t) {
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

// Runs `job` for every station, then tells how the fleet did; the exit status.
int RunForFleet(CliIo& io, const FleetCommand& command, std::vector<FleetStation>& stations,
                const std::function<bool(FleetStation&)>& job, const QString& succeeded, bool leadAlone) {
    FleetReport report(io, command.arguments.Has(kJsonOption), stations.size());
    ScheduleFleet(io, stations, job, leadAlone, report);
    return report.Finish(stations, succeeded);
}

// Asks each station not found by a scan for its discovery answer, which names its file, a few at a time. A
// station that does not answer (UDP filtered, a forwarded TCP port) but whose configuration can be read is
// named by that configuration's name and its address; its configuration is kept in `read`. The exit status:
// an interrupt stops the command.
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
            unknown.size(), kFleetParallelism,
            [&](std::size_t n) {
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

// The backup directory, made owner-only when it is new (its parent must exist). False with the reason.
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

int RunBackup(const CommandLine& arguments, CliIo& io) {
    FleetCommand command{arguments, {}, {}, {}};
    int code = 0;
    if (!ParseFleetCommand(QStringLiteral("DIR"), io, command, code)) {
        return code;
    }
    if (command.arguments.Has(kWaitOption)) {
        return UsageError(io, QStringLiteral("--wait goes with write, restart and upload"));
    }
    if (!AskPassword(io, command.arguments, command.model.station.password, code)) {
        return code;
    }
    std::vector<FleetStation> stations;
    if (!GatherStations(io, command, stations, code)) {
        return code;
    }
    if (QString reason; !PrepareDirectory(command.last, reason)) {
        return Fail(io, kExitWriteFailed, QStringLiteral("%1: %2").arg(command.last, reason));
    }

    // Every name is known before the first file is written, so that names go by address, not by which
    // station happened to answer first.
    std::vector<ConfigRecord> read;
    if (const int exit = IdentifyStations(io, stations, read); exit != kExitSuccess) {
        return exit;
    }
    const std::vector<QString> names = BackupFileNames(stations);
    return RunForFleet(
        io, command, stations,
        [&](FleetStation& station) {
            if (!station.identified) {
                return true; // its outcome tells why
            }
            const std::size_t index = std::size_t(&station - stations.data());
            ConfigRecord& record = read[index];
            if (!station.namedByAddress) {
                station.outcome = ReadConfigurationOf(station.target, io.interruptFd, record);
                if (!station.outcome.ok()) {
                    return true;
                }
            }
            const QString path = QDir(command.last).filePath(names[index]);
            // A link planted under a station's file name is replaced, never followed out of the folder.
            if (QString reason; !SaveConfiguration(path, record, reason, true, LinkAtPath::Replace)) {
                station.outcome = {kExitWriteFailed,
                                   QStringLiteral("%1: %2: %3").arg(station.target.host, path, reason)};
            } else {
                station.result = QStringLiteral("saved %1").arg(path);
            }
            return true;
        },
        QStringLiteral("saved"), false);
}

} // namespace

const CommandOption kKeepGoingOption{"keep-going", nullptr,
                                     "with several stations and --wait: go on after a station that did not "
                                     "come back"};

const Command kBackupCommand{
    "backup",
    {"HOST[:PORT]... DIR [OPTIONS]", "--all [--target ADDR[:PORT]] DIR [OPTIONS]"},
    "save the configuration of several stations into a directory",
    {"Saves each station's configuration as DIR/NAME-WANMAC.cfg (owner-only; the name made safe for any file "
     "system); --all scans first and saves every station that answers. Names equal but for case get -2, -3 "
     "and so on by address, so every run puts a station in the same file. A HOST that does not answer "
     "discovery but can be read is saved as DIR/NAME-ADDRESS.cfg, NAME from its configuration, with a "
     "warning. A symbolic link under a station's file name is replaced, never followed.",
     kHostHelp, kFleetHelp},
    {&kAllOption, &kTargetOption, &kJsonOption, &kPasswordFileOption, &kTimeoutOption},
    {&kWaitOption},
    RunBackup};

bool UploadIsForAFleet(const CommandLine& line) {
    return line.Has(kAllOption) || line.positional().size() > 2;
}

int RunFleetUpload(const CommandLine& arguments, CliIo& io) {
    FleetCommand command{arguments, {}, {}, {}};
    int code = 0;
    if (!ParseFleetCommand(QStringLiteral("IMAGE"), io, command, code)) {
        return code;
    }
    QByteArray image;
    if (!ReadSoftwareImage(io, command.last, image, code)) {
        return code;
    }
    if (!AskPassword(io, command.arguments, command.model.station.password, code)) {
        return code;
    }
    std::vector<FleetStation> stations;
    if (!GatherStations(io, command, stations, code)) {
        return code;
    }

    const bool keepGoing = command.arguments.Has(kKeepGoingOption);
    // With --wait, the first station shows that the software lets a station come back before the others
    // risk it.
    const bool leadAlone = command.model.restartWait.count() != 0 && !keepGoing;
    return RunForFleet(
        io, command, stations,
        [&](FleetStation& station) {
            const auto asked = std::chrono::steady_clock::now();
            station.outcome = AttemptOperation(station.target, io.interruptFd, [&](SocketCell* cell) {
                return UploadStationSoftwareOperation(
                    station.target.station, cell, std::uint32_t(image.size()),
                    reinterpret_cast<const std::uint8_t*>(image.constData()), kUploadRestart);
            });
            if (!station.outcome.ok()) {
                return true;
            }
            station.result = QStringLiteral("updated");
            if (station.target.restartWait.count() == 0) {
                return true;
            }
            station.outcome = AwaitRestart(station.target, io.interruptFd, asked);
            station.result = QStringLiteral("updated and back");
            // Software that keeps a station from coming back would do the same to the next one.
            return station.outcome.exit != kExitNotBack || keepGoing;
        },
        QStringLiteral("updated"), leadAlone);
}

} // namespace corvane::cli
