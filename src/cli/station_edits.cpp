// SPDX-License-Identifier: Apache-2.0
// The read, edit, check and write of one configuration after another: what set (and every command that edits
// stations) does to a fleet, or to a file.
#include "cli/station_edits.h"

#include "cli/backup_file_name.h"
#include "cli/commands.h"
#include "cli/config_io.h"
#include "cli/exit_codes.h"
#include "cli/fleet_command.h"
#include "cli/fleet_report.h"
#include "cli/fleet_schedule.h"
#include "cli/rule_report.h"
#include "properties/property_diff.h"
#include "properties/terminal_text.h"
#include "protocol/station_operations.h"
#include "rules/device_rules.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <algorithm>

namespace corvane::cli {

namespace {

const CommandOption kEditDryRunOption{
    "dry-run", nullptr,
    "only read and tell what would change (secrets hidden unless --reveal-secrets): exit 1 when something "
    "would, 0 when nothing would; nothing is written"};
const CommandOption kBackupDirOption{
    "backup", "DIR",
    "first save each station that changes as DIR/NAME-WANMAC.cfg (owner-only, named as backup names it); a "
    "station whose copy cannot be saved is not written"};

// What the command line asks of each station.
struct EditSettings {
    bool dryRun;
    bool reveal;
    bool check;
    bool keepGoing;
    int interruptFd;
};

// "raCh 1 -> 6, syNm "A" -> "B"": the differing properties on one line (a table by its count of entries).
QString ChangeSummary(const ConfigRecord& before, const ConfigRecord& after,
                      const std::vector<const PropertyView*>& differing, bool reveal) {
    QStringList changes;
    for (const PropertyView* view : differing) {
        changes << QStringLiteral("%1 %2 -> %3")
                       .arg(TagText(view->tag),
                            DisplayValue(before, *view, reveal).section(QLatin1Char('\n'), 0, 0),
                            DisplayValue(after, *view, reveal).section(QLatin1Char('\n'), 0, 0));
    }
    return changes.join(QStringLiteral(", "));
}

QString TagList(const std::vector<const PropertyView*>& views) {
    QStringList tags;
    for (const PropertyView* view : views) {
        tags << TagText(view->tag);
    }
    return tags.join(QLatin1Char(' '));
}

// One station: read, edit, and when something changed check, then (not in a dry run) back up, write, wait
// and read back. False stops the fleet: a station that did not come back, unless --keep-going.
bool EditStation(const EditSettings& settings, const ConfigEdit& edit, FleetStation& station,
                 FleetPlace& place, const QString& backupPath) {
    const QString& host = station.target.host;
    ConfigRecord current;
    station.outcome = ReadConfigurationOf(station.target, settings.interruptFd, current);
    if (!station.outcome.ok()) {
        return true;
    }
    ConfigRecord planned = current;
    if (QString reason; !edit(planned, reason)) {
        station.outcome = {kExitInvalidInput, QStringLiteral("%1: %2").arg(host, reason)};
        return true;
    }
    const auto differing = DifferingProperties(current, planned);
    station.details = {
        {QStringLiteral("changed"), !differing.empty()},
        {QStringLiteral("changes"), PropertyDiffJson(current, planned, differing, settings.reveal)}};
    if (differing.empty()) {
        station.result = QStringLiteral("unchanged");
        return true;
    }
    const QString changes = ChangeSummary(current, planned, differing, settings.reveal);
    if (const RuleBreaks broken = settings.check ? CheckConfiguration(planned) : RuleBreaks{};
        !broken.empty()) {
        QString rules;
        QTextStream lines(&rules);
        PrintBrokenRules(lines, broken, host);
        station.details.insert(QStringLiteral("brokenRules"), BrokenRulesJson(broken));
        station.outcome = {kExitRulesBroken,
                           QStringLiteral("%1: not written, %2 would break the base station's "
                                          "rules (--no-check writes it anyway):\n%3")
                               .arg(host, changes, rules.trimmed())};
        return true;
    }
    if (settings.dryRun) {
        station.result = QStringLiteral("would change ") + changes;
        return true;
    }
    if (QString reason;
        !backupPath.isEmpty() && !SaveConfiguration(backupPath, current, reason, true, LinkAtPath::Replace)) {
        station.outcome = {kExitWriteFailed,
                           QStringLiteral("%1: %2: %3; nothing was written").arg(host, backupPath, reason)};
        return true;
    }
    if (!backupPath.isEmpty()) {
        station.details.insert(QStringLiteral("backup"), backupPath);
    }
    const auto asked = std::chrono::steady_clock::now();
    station.outcome = AttemptOperation(station.target, settings.interruptFd, [&](SocketCell* cell) {
        return WriteStationConfiguration(station.target.station, planned, cell);
    });
    if (!station.outcome.ok()) {
        return true;
    }
    station.result = QStringLiteral("changed ") + changes;
    if (station.target.restartWait.count() == 0) {
        return true;
    }
    place.WaitWithout([&] { station.outcome = AwaitRestart(station.target, settings.interruptFd, asked); });
    if (!station.outcome.ok()) {
        // What kept this station from coming back would do the same to the next one.
        return station.outcome.exit != kExitNotBack || settings.keepGoing;
    }
    ConfigRecord readBack;
    station.outcome = CheckWritten(station.target, settings.interruptFd, planned, readBack);
    if (station.outcome.exit == kExitMismatch) {
        station.outcome.message += QStringLiteral(": ") + TagList(DifferingProperties(planned, readBack));
    }
    station.result += QStringLiteral("; back, as written");
    return true;
}

// The summary's "set: 3 changed, 17 unchanged" (a dry run: "read: 3 would change, 17 unchanged").
QString EditCounts(const std::vector<FleetStation>& stations, bool dryRun) {
    std::size_t changed = 0, unchanged = 0;
    for (const FleetStation& station : stations) {
        if (station.begun && station.outcome.ok()) {
            const bool changes = station.details.value(QStringLiteral("changed")).toBool();
            changed += changes;
            unchanged += !changes;
        }
    }
    return QStringLiteral("%1: %2 %3, %4 unchanged")
        .arg(dryRun ? QStringLiteral("read") : QStringLiteral("set"), QString::number(changed),
             dryRun ? QStringLiteral("would change") : QStringLiteral("changed"), QString::number(unchanged));
}

int EditStations(const CommandLine& line, CliIo& io, const QStringList& hosts, const ConfigEdit& edit,
                 const std::function<int()>& prepare) {
    if (line.Has(kOutputOption)) {
        return UsageError(io, QStringLiteral("-o goes with a FILE.cfg, not with stations"));
    }
    FleetCommand command{line, {}, {}, {}};
    int code = 0;
    if (!ParseFleetCommand({}, hosts, io, command, code)) {
        return code;
    }
    const EditSettings settings{line.Has(kEditDryRunOption), line.Has(kRevealSecretsOption),
                                !line.Has(kNoCheckOption), line.Has(kKeepGoingOption), io.interruptFd};
    if (settings.dryRun && (line.Has(kWaitOption) || line.Has(kBackupDirOption))) {
        return UsageError(io, QStringLiteral("a dry run writes nothing to back up or wait for"));
    }
    const QString backupDir = line.Value(kBackupDirOption);
    if (line.Has(kBackupDirOption) && backupDir.isEmpty()) {
        return UsageError(io, QStringLiteral("--backup needs a directory"));
    }
    if (prepare) {
        if (const int exit = prepare(); exit != kExitSuccess) {
            return exit;
        }
    }
    if (!AskPassword(io, line, command.model.station.password, code)) {
        return code;
    }
    std::vector<FleetStation> stations;
    if (!GatherStations(io, command, stations, code)) {
        return code;
    }
    std::vector<QString> backups(stations.size());
    if (!backupDir.isEmpty()) {
        if (QString reason; !PrepareDirectory(backupDir, reason)) {
            return Fail(io, kExitWriteFailed, QStringLiteral("%1: %2").arg(backupDir, reason));
        }
        std::vector<ConfigRecord> read;
        if (const int exit = IdentifyStations(io, stations, read); exit != kExitSuccess) {
            return exit;
        }
        const std::vector<QString> names = BackupFileNames(stations);
        std::transform(names.begin(), names.end(), backups.begin(),
                       [&](const QString& name) { return QDir(backupDir).filePath(name); });
    }

    // With --wait the first station shows that the change lets a station come back before the others risk it.
    const bool leadAlone = command.model.restartWait.count() != 0 && !settings.keepGoing;
    FleetReport report(io, line.Has(kJsonOption), stations.size());
    ScheduleFleet(
        io, stations,
        [&](FleetStation& station, FleetPlace& place) {
            return EditStation(settings, edit, station, place,
                               backups[std::size_t(&station - stations.data())]);
        },
        leadAlone, report);
    int exit = report.Finish(stations, EditCounts(stations, settings.dryRun));
    // One station named: its own exit status, as write gives it.
    if (exit == kExitSomeFailed && !line.Has(kAllOption) && stations.size() == 1) {
        exit = stations.front().outcome.exit;
    }
    const bool wouldChange = std::any_of(stations.begin(), stations.end(), [](const FleetStation& station) {
        return station.details.value(QStringLiteral("changed")).toBool();
    });
    return exit == kExitSuccess && settings.dryRun && wouldChange ? int(kExitDifferent) : exit;
}

int EditFile(const CommandLine& line, CliIo& io, const QString& path, const ConfigEdit& edit,
             const std::function<int()>& prepare) {
    for (const CommandOption* stationOnly : {&kAllOption, &kTargetOption, &kBackupDirOption, &kWaitOption,
                                             &kKeepGoingOption, &kPasswordFileOption, &kTimeoutOption}) {
        if (line.Has(*stationOnly)) {
            return UsageError(
                io, QStringLiteral("%1 goes with stations, not with a file").arg(stationOnly->Spelling()));
        }
    }
    const bool dryRun = line.Has(kEditDryRunOption);
    if (dryRun == line.Has(kOutputOption) ||
        (line.Has(kOutputOption) && line.Value(kOutputOption).isEmpty())) {
        return UsageError(io,
                          QStringLiteral("a FILE.cfg is edited into -o OUT.cfg, or shown with --dry-run"));
    }
    if (!dryRun && line.Has(kJsonOption)) {
        return UsageError(io, QStringLiteral("--json goes with --dry-run"));
    }
    int code = 0;
    ConfigRecord before;
    if (!LoadInput(io, path, before, code)) {
        return code;
    }
    if (prepare) {
        if (const int exit = prepare(); exit != kExitSuccess) {
            return exit;
        }
    }
    ConfigRecord after = before;
    if (QString reason; !edit(after, reason)) {
        return Fail(io, kExitInvalidInput, QStringLiteral("%1: %2").arg(path, reason));
    }
    const auto differing = DifferingProperties(before, after);
    if (dryRun) {
        const bool reveal = line.Has(kRevealSecretsOption);
        if (line.Has(kJsonOption)) {
            io.out << TerminalJson(
                QJsonDocument(QJsonObject{{QStringLiteral("file"), path},
                                          {QStringLiteral("changes"),
                                           PropertyDiffJson(before, after, differing, reveal)}})
                    .toJson(QJsonDocument::Indented));
        } else {
            PrintPropertyDiff(io.out, before, after, differing, reveal);
        }
    }
    if (!differing.empty()) {
        if (const int exit = RefuseBrokenRules(io, line, after, path); exit != kExitSuccess) {
            return exit;
        }
    }
    if (dryRun) {
        return differing.empty() ? kExitSuccess : kExitDifferent;
    }
    return SaveOutput(io, line.Value(kOutputOption), after);
}

} // namespace

std::vector<const CommandOption*> StationEditOptions() {
    return {&kAllOption,     &kTargetOption,    &kEditDryRunOption,   &kBackupDirOption,
            &kWaitOption,    &kKeepGoingOption, &kJsonOption,         &kRevealSecretsOption,
            &kNoCheckOption, &kOutputOption,    &kPasswordFileOption, &kTimeoutOption};
}

bool NamesConfigurationFile(const QString& target) {
    return target == QLatin1String("-") || target.endsWith(QLatin1String(".cfg"), Qt::CaseInsensitive) ||
           target.contains(QLatin1Char('/'));
}

int RunStationEdits(const CommandLine& line, CliIo& io, const QStringList& targets, const ConfigEdit& edit,
                    const std::function<int()>& prepare) {
    if (targets.size() == 1 && NamesConfigurationFile(targets.front()) && !line.Has(kAllOption)) {
        return EditFile(line, io, targets.front(), edit, prepare);
    }
    if (const auto file = std::find_if(targets.begin(), targets.end(), NamesConfigurationFile);
        file != targets.end()) {
        return UsageError(io,
                          QStringLiteral("%1 is a file: a file is edited alone, without --all").arg(*file));
    }
    return EditStations(line, io, targets, edit, prepare);
}

} // namespace corvane::cli
