// SPDX-License-Identifier: Apache-2.0
// discover, read, write, restart and upload: the tool's exchanges with base stations.
#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "cli/config_io.h"
#include "cli/exit_codes.h"
#include "cli/rule_report.h"
#include "cli/station_scan.h"
#include "cli/station_session.h"
#include "cli/terminal_progress.h"
#include "config/hex_text.h"
#include "config/restart_time.h"
#include "config/status_codes.h"
#include "files/station_text.h"
#include "properties/property_diff.h"
#include "properties/terminal_text.h"
#include "protocol/discovery_datagrams.h"
#include "protocol/dotted_quad.h"
#include "protocol/station_exchanges.h"
#include "protocol/station_operations.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <vector>

namespace corvane::cli {

namespace {

const CommandOption kDryRunOption{
    "dry-run", nullptr,
    "only read the station and list the properties the write would change (secrets hidden "
    "unless --reveal-secrets, --json for JSON): exit 1 when something would change, 0 when "
    "nothing would; nothing is sent"};
const CommandOption kBackupOption{"backup", "FILE.cfg",
                                  "first save the station's configuration there (owner-only); nothing is "
                                  "written when it cannot be saved; refused when it is FILE.cfg itself"};

// The times and "HOST[:PORT] [FILE]" of a station command; resolves the host. False with the exit status in
// `code`.
bool PrepareStation(const CommandLine& arguments, int files, CliIo& io, StationTarget& target, int& code) {
    if (QString error; !ParseStationTimes(arguments, target, error)) {
        code = UsageError(io, error);
        return false;
    }
    if (arguments.positional().size() != 1 + files) {
        code = UsageError(
            io, QStringLiteral("expected HOST[:PORT]%1").arg(files ? QStringLiteral(" and a file") : ""));
        return false;
    }
    if (const Outcome resolved = ResolveTarget(arguments.positional()[0], target); !resolved.ok()) {
        code = Report(io, resolved);
        return false;
    }
    return true;
}

// Runs an operation that ends with the station's restart and, with --wait, waits until it is back; then
// `whenBack`, when given, gives the exit status.
int RunRestarting(CliIo& io, const StationTarget& target, const std::function<int(SocketCell*)>& operation,
                  const std::function<int()>& whenBack = {}) {
    return RunInterruptible(io, [&]() -> int {
        const auto asked = std::chrono::steady_clock::now();
        if (const Outcome done = AttemptOperation(target, io.interruptFd, operation); !done.ok()) {
            return Report(io, done);
        }
        if (target.restartWait.count() == 0) {
            return kExitSuccess;
        }
        TerminalProgress progress(io.err, io.errIsTerminal);
        const Outcome back = AwaitRestart(target, io.interruptFd, asked, [&] {
            progress.Show(QStringLiteral("Waiting for %1 to come back").arg(target.host));
        });
        progress.Clear();
        if (!back.ok()) {
            return Report(io, back);
        }
        return whenBack ? whenBack() : int(kExitSuccess);
    });
}

// write --dry-run: what the write would change, as diff shows it; nothing is sent.
int ShowPlannedChanges(CliIo& io, const CommandLine& arguments, const StationTarget& target,
                       const ConfigRecord& current, const ConfigRecord& planned) {
    const auto differing = DifferingProperties(current, planned);
    const bool reveal = arguments.Has(kRevealSecretsOption);
    if (arguments.Has(kJsonOption)) {
        io.out << TerminalJson(
            QJsonDocument(QJsonObject{{QStringLiteral("host"), target.host},
                                      {QStringLiteral("changes"),
                                       PropertyDiffJson(current, planned, differing, reveal)}})
                .toJson(QJsonDocument::Indented));
    } else {
        PrintPropertyDiff(io.out, current, planned, differing, reveal);
    }
    return differing.empty() ? kExitSuccess : kExitDifferent;
}

QString MacText(const MacAddress& mac) {
    return QString::fromStdString(FormatMacAddress(mac));
}

struct TableCell {
    QString text;
    int width; // at least this many characters, padded with spaces
};

// A line of a text table, its cells apart by a space. The cells' text is never read as a format: a station
// name holding "%1" stays in its column.
QString TableLine(std::initializer_list<TableCell> cells) {
    QStringList line;
    for (const TableCell& cell : cells) {
        line << cell.text.leftJustified(cell.width);
    }
    return line.join(QLatin1Char(' '));
}

} // namespace

namespace {

int RunDiscover(const CommandLine& arguments, CliIo& io) {
    if (!arguments.positional().isEmpty()) {
        return UsageError(io, QStringLiteral("discover takes no file or host"));
    }
    ScanTarget target;
    if (QString error; !ParseScanTarget(arguments, target, error)) {
        return UsageError(io, error);
    }
    std::vector<std::unique_ptr<ConfigRecord>> stations;
    if (const int status = ScanStations(target, stations); status != 0) {
        return Fail(io, kExitStationFailed, StationFailureText(status));
    }

    if (arguments.Has(kJsonOption)) {
        QJsonArray list;
        for (const auto& station : stations) {
            list.append(QJsonObject{
                {QStringLiteral("name"), FromStationText(station->syNm)},
                {QStringLiteral("description"), FromStationText(station->syDs)},
                {QStringLiteral("address"),
                 QString::fromStdString(FormatDottedQuad(station->stationAddress))},
                {QStringLiteral("corvaneMac"), MacText(station->wirelessMac)},
                {QStringLiteral("lanMac"), MacText(station->lanMac)},
                {QStringLiteral("wanMac"), MacText(station->wanMac)},
                {QStringLiteral("flags"), station->stationFlags},
                {QStringLiteral("reset"), (station->stationFlags & kStationFlagReset) != 0},
                {QStringLiteral("restarted"), QString::fromStdString(RestartTimeText(*station))},
            });
        }
        io.out << TerminalJson(QJsonDocument(list).toJson(QJsonDocument::Indented));
        return kExitSuccess;
    }
    io.out << TableLine({{QStringLiteral("Name"), 31},
                         {QStringLiteral("Address"), 15},
                         {QStringLiteral("Corvane MAC"), 17},
                         {QStringLiteral("LAN MAC"), 17},
                         {QStringLiteral("WAN MAC"), 17},
                         {QStringLiteral("Flags"), 6},
                         {QStringLiteral("Restarted"), 0}})
           << "\n";
    for (const auto& station : stations) {
        io.out << TableLine({{TerminalText(FromStationText(station->syNm)), 31},
                             {QString::fromStdString(FormatDottedQuad(station->stationAddress)), 15},
                             {MacText(station->wirelessMac), 17},
                             {MacText(station->lanMac), 17},
                             {MacText(station->wanMac), 17},
                             {QStringLiteral("0x%1").arg(station->stationFlags, 4, 16, QLatin1Char('0')), 6},
                             {QString::fromStdString(RestartTimeText(*station)), 0}})
               << ((station->stationFlags & kStationFlagReset) ? "  (reset, not configured)" : "") << "\n";
    }
    io.out << stations.size() << " base station(s) found\n";
    return kExitSuccess;
}

int RunRead(const CommandLine& arguments, CliIo& io) {
    StationTarget target;
    int code = 0;
    if (!PrepareStation(arguments, 0, io, target, code)) {
        return code;
    }
    if (!arguments.Has(kOutputOption) || arguments.Value(kOutputOption).isEmpty()) {
        return UsageError(io, QStringLiteral("read needs -o FILE.cfg"));
    }
    if (arguments.Has(kWaitOption)) {
        return UsageError(io, QStringLiteral("--wait goes with write, restart and upload"));
    }
    if (!AskPassword(io, arguments, target.station.password, code)) {
        return code;
    }
    ConfigRecord record;
    if (const int exit = RunInterruptible(
            io, [&] { return Report(io, ReadConfigurationOf(target, io.interruptFd, record)); });
        exit != kExitSuccess) {
        return exit;
    }
    return SaveOutput(io, arguments.Value(kOutputOption), record);
}

int RunWrite(const CommandLine& arguments, CliIo& io) {
    StationTarget target;
    int code = 0;
    if (!PrepareStation(arguments, 1, io, target, code)) {
        return code;
    }
    const bool dryRun = arguments.Has(kDryRunOption);
    if (!dryRun && arguments.Has(kJsonOption)) {
        return UsageError(io, QStringLiteral("--json goes with --dry-run"));
    }
    if (!dryRun && arguments.Has(kRevealSecretsOption) && !arguments.Has(kWaitOption)) {
        return UsageError(io, QStringLiteral("--reveal-secrets goes with --dry-run or --wait"));
    }
    if (dryRun && arguments.Has(kWaitOption)) {
        return UsageError(io, QStringLiteral("a dry run writes nothing to wait for"));
    }
    if (arguments.Has(kBackupOption) && arguments.Value(kBackupOption).isEmpty()) {
        return UsageError(io, QStringLiteral("--backup needs a file name"));
    }
    // The station's old configuration would replace the new one before it is sent.
    if (arguments.Has(kBackupOption) && arguments.positional()[1] != QLatin1String("-") &&
        NameOneFile(arguments.positional()[1], arguments.Value(kBackupOption))) {
        return UsageError(io, QStringLiteral("--backup %1 is the file to write; name another file")
                                  .arg(arguments.Value(kBackupOption)));
    }
    ConfigRecord record;
    if (!LoadInput(io, arguments.positional()[1], record, code)) {
        return code;
    }
    WarnAboutLongStationPassword(io, record);
    // Refused before the password is asked: nothing reaches the station.
    if (const int refused = RefuseBrokenRules(io, arguments, record, arguments.positional()[1]);
        refused != kExitSuccess) {
        return refused;
    }
    if (!AskPassword(io, arguments, target.station.password, code)) {
        return code;
    }
    if (dryRun || arguments.Has(kBackupOption)) {
        ConfigRecord current;
        if (const int exit = RunInterruptible(
                io, [&] { return Report(io, ReadConfigurationOf(target, io.interruptFd, current)); });
            exit != kExitSuccess) {
            return exit;
        }
        // No copy, no change: a backup that cannot be kept stops the write.
        if (arguments.Has(kBackupOption)) {
            if (const int exit = SaveOutput(io, arguments.Value(kBackupOption), current, true);
                exit != kExitSuccess) {
                return Fail(io, exit, QStringLiteral("%1: nothing was written").arg(target.host));
            }
        }
        if (dryRun) {
            return ShowPlannedChanges(io, arguments, target, current, record);
        }
    }
    const auto write = [&](SocketCell* cell) {
        return WriteStationConfiguration(target.station, record, cell);
    };
    return RunRestarting(io, target, write, [&] {
        ConfigRecord readBack;
        const Outcome checked = CheckWritten(target, io.interruptFd, record, readBack);
        if (checked.exit == kExitMismatch) {
            PrintPropertyDiff(io.out, record, readBack, DifferingProperties(record, readBack),
                              arguments.Has(kRevealSecretsOption));
        }
        return Report(io, checked);
    });
}

int RunRestart(const CommandLine& arguments, CliIo& io) {
    StationTarget target;
    int code = 0;
    if (!PrepareStation(arguments, 0, io, target, code) ||
        !AskPassword(io, arguments, target.station.password, code)) {
        return code;
    }
    return RunRestarting(io, target,
                         [&](SocketCell* cell) { return RestartStationOperation(target.station, cell); });
}

int RunUpload(const CommandLine& arguments, CliIo& io) {
    if (UploadIsForAFleet(arguments)) {
        return RunFleetUpload(arguments, io);
    }
    // For one station, the options that only several stations take are unknown.
    if (const CommandOption* fleetOnly =
            arguments.FirstOptionOutside({&kWaitOption, &kPasswordFileOption, &kTimeoutOption})) {
        return UsageError(io, QStringLiteral("unknown option %1").arg(fleetOnly->Spelling()));
    }
    StationTarget target;
    int code = 0;
    if (!PrepareStation(arguments, 1, io, target, code)) {
        return code;
    }
    QByteArray image;
    if (!ReadSoftwareImage(io, arguments.positional()[1], image, code)) {
        return code;
    }
    const auto imageSize = std::uint32_t(image.size());
    if (!AskPassword(io, arguments, target.station.password, code)) {
        return code;
    }
    return RunRestarting(io, target, [&](SocketCell* cell) {
        return UploadStationSoftwareOperation(target.station, cell, imageSize,
                                              reinterpret_cast<const std::uint8_t*>(image.constData()),
                                              kUploadRestart);
    });
}

} // namespace

const Command kDiscoverCommand{"discover",
                               {"[--json] [--target ADDR[:PORT]]"},
                               "list the base stations that answer one scan",
                               {"One scan: the name, address, MAC addresses, flags and restart time of every "
                                "base station that answers."},
                               {&kJsonOption, &kTargetOption},
                               {},
                               RunDiscover};

const Command kReadCommand{"read",
                           {"HOST[:PORT] -o FILE.cfg [OPTIONS]"},
                           "read a station's configuration into a file",
                           {"Reads a station's configuration into a file.", kHostHelp},
                           {&kOutputOption, &kPasswordFileOption, &kTimeoutOption},
                           {&kWaitOption},
                           RunRead};

const Command kWriteCommand{
    "write",
    {"HOST[:PORT] FILE.cfg [OPTIONS]"},
    "write a configuration file to a station (it then restarts)",
    {"Writes a configuration file to a station, which then restarts. With --wait it then reads the station "
     "back and compares what it sent: exit 9 when the station holds other settings than written (the "
     "properties are listed). A configuration that breaks a rule of the base station (see check) is refused "
     "before anything is sent, each broken rule printed (exit 11), unless --no-check.",
     kHostHelp},
    {&kDryRunOption, &kJsonOption, &kRevealSecretsOption, &kBackupOption, &kWaitOption, &kNoCheckOption,
     &kPasswordFileOption, &kTimeoutOption},
    {},
    RunWrite};

const Command kRestartCommand{"restart",
                              {"HOST[:PORT] [OPTIONS]"},
                              "restart a station",
                              {"Restarts a station.", kHostHelp},
                              {&kWaitOption, &kPasswordFileOption, &kTimeoutOption},
                              {},
                              RunRestart};

const Command kUploadCommand{
    "upload",
    {"HOST[:PORT] IMAGE.bin [OPTIONS]", "HOST[:PORT]... IMAGE.bin [OPTIONS]",
     "--all [--target ADDR[:PORT]] IMAGE.bin [OPTIONS]"},
    "upload base-station software to a station or several (they then restart)",
    {"Uploads base-station software to a station, which then restarts. --all scans first and updates every "
     "station that answers. With --wait the first of several stations goes alone, and none begins after a "
     "station that did not come back unless --keep-going.",
     kHostHelp, kFleetHelp},
    {&kAllOption, &kTargetOption, &kWaitOption, &kKeepGoingOption, &kJsonOption, &kPasswordFileOption,
     &kTimeoutOption},
    {},
    RunUpload};

} // namespace corvane::cli
