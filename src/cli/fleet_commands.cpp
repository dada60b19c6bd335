// SPDX-License-Identifier: Apache-2.0
// backup, and upload to several stations: one command for a whole fleet, a few stations at a time.
#include "cli/backup_file_name.h"
#include "cli/commands.h"
#include "cli/config_io.h"
#include "cli/exit_codes.h"
#include "cli/fleet_command.h"
#include "cli/station_session.h"
#include "protocol/station_exchanges.h"
#include "protocol/station_operations.h"

#include <QDir>

namespace corvane::cli {

namespace {

int RunBackup(const CommandLine& arguments, CliIo& io) {
    FleetCommand command{arguments, {}, {}, {}};
    int code = 0;
    if (!ParseFleetCommand(QStringLiteral("DIR"), arguments.positional(), io, command, code)) {
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
        [&](FleetStation& station, FleetPlace&) {
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
                station.details.insert(QStringLiteral("file"), path);
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
    if (!ParseFleetCommand(QStringLiteral("IMAGE"), arguments.positional(), io, command, code)) {
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
        [&](FleetStation& station, FleetPlace& place) {
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
            place.WaitWithout([&] { station.outcome = AwaitRestart(station.target, io.interruptFd, asked); });
            station.result = QStringLiteral("updated and back");
            // Software that keeps a station from coming back would do the same to the next one.
            return station.outcome.exit != kExitNotBack || keepGoing;
        },
        QStringLiteral("updated"), leadAlone);
}

} // namespace corvane::cli
