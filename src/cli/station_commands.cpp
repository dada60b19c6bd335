// discover, read, write, restart and upload: the tool's exchanges with base stations.
#include "cli/arguments.h"
#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "cli/config_io.h"
#include "cli/exit_codes.h"
#include "cli/password_input.h"
#include "cli/property_diff.h"
#include "cli/station_runner.h"
#include "cli/terminal_text.h"
#include "config/hex_text.h"
#include "files/bounded_read.h"
#include "protocol/discovery.h"
#include "protocol/dotted_quad.h"
#include "protocol/host_resolution.h"
#include "protocol/station_exchanges.h"
#include "protocol/station_operations.h"
#include "resources/station_text.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <vector>

namespace corvane::cli {

namespace {

const QString kPasswordFile = QStringLiteral("--password-file");
const QString kOutput = QStringLiteral("-o");
const QString kDryRun = QStringLiteral("--dry-run");
const QString kBackup = QStringLiteral("--backup");
const QString kReveal = QStringLiteral("--reveal-secrets");
const QString kJson = QStringLiteral("--json");

const QString kTimeout = QStringLiteral("--timeout");
constexpr int kAborted = -5;
constexpr int kTimedOut = -4;
// Far above a slow real exchange (an upload over a poor link takes well under a minute).
constexpr std::chrono::seconds kDefaultTimeout{120};
constexpr double kMaxTimeoutSeconds = 24 * 3600;

// One base station to talk to: the record the operation bodies take, the TCP port and the time the whole
// operation may take.
struct StationTarget {
    QString host;
    ConfigRecord record;
    std::uint16_t port = kStationPort;
    std::chrono::milliseconds timeout = kDefaultTimeout;
};

int StationFailure(CliIo& io, const StationTarget& target, int status, const OperationEnd& end) {
    if (end.timedOut && status == kAborted)
        return Fail(io, kExitStationFailed,
                    QStringLiteral("%1: %2\nThe base station did not finish within %3 s (see --timeout).")
                        .arg(target.host, StationFailureText(kTimedOut))
                        .arg(double(target.timeout.count()) / 1000));
    const int code = status == -16                           ? kExitWrongPassword
                     : end.interrupted && status == kAborted ? kExitInterrupted
                                                             : kExitStationFailed;
    return Fail(io, code, QStringLiteral("%1: %2").arg(target.host, StationFailureText(status)));
}

// --timeout SECONDS: the whole operation's time, more than 0.
bool ParseTimeout(const Arguments& arguments, StationTarget& target) {
    if (!arguments.Has(kTimeout))
        return true;
    bool ok = false;
    const double seconds = arguments.Value(kTimeout).toDouble(&ok);
    if (!ok || !(seconds > 0) || seconds > kMaxTimeoutSeconds)
        return false;
    target.timeout =
        std::max(std::chrono::milliseconds(1), std::chrono::milliseconds(qint64(seconds * 1000)));
    return true;
}

// Parses "HOST[:PORT] [more positional words]" with the password options and resolves the host. False with
// the exit status in `code`.
bool PrepareStation(const QStringList& words, int files, const QSet<QString>& flags,
                    const QSet<QString>& valued, CliIo& io, Arguments& arguments, StationTarget& target,
                    int& code) {
    QString error;
    QSet<QString> options = valued;
    options.insert(kPasswordFile);
    options.insert(kTimeout);
    if (!arguments.Parse(words, flags, options, error)) {
        code = UsageError(io, error);
        return false;
    }
    if (!ParseTimeout(arguments, target)) {
        code = UsageError(io, QStringLiteral("--timeout takes a number of seconds above 0"));
        return false;
    }
    if (arguments.positional().size() != 1 + files) {
        code = UsageError(
            io, QStringLiteral("expected HOST[:PORT]%1").arg(files ? QStringLiteral(" and a file") : ""));
        return false;
    }
    target.host = arguments.positional()[0];
    const QByteArray host = target.host.toUtf8();
    AddressRecord address;
    std::uint16_t port = 0;
    if (const int status = ResolveHost(nullptr, host.constData(), 0, 0, &address, &port); status != 0) {
        code = StationFailure(io, target, status, {});
        return false;
    }
    target.record.stationAddress = address.address;
    target.port = port != 0 ? port : kStationPort;
    return true;
}

bool AskPassword(CliIo& io, const Arguments& arguments, StationTarget& target, int& code) {
    QString error;
    const auto password =
        ReadSecret(io, arguments.Value(kPasswordFile), QStringLiteral("Base station password: "), error);
    if (!password) {
        code = Fail(io, kExitInvalidInput, error);
        return false;
    }
    target.record.adminPassword = *password;
    return true;
}

int RunOperation(CliIo& io, const StationTarget& target, const std::function<int(SocketCell*)>& operation) {
    OperationEnd end;
    if (io.interruptible)
        io.interruptible(true);
    const int status = RunStationOperation(operation, io.interruptFd, target.timeout, end);
    if (io.interruptible)
        io.interruptible(false);
    return status == 0 ? kExitSuccess : StationFailure(io, target, status, end);
}

// Reads the target station's configuration into `record`, a fresh one that reaches the same station.
int ReadStation(CliIo& io, const StationTarget& target, ConfigRecord& record) {
    record.stationAddress = target.record.stationAddress;
    record.adminPassword = target.record.adminPassword;
    return RunOperation(
        io, target, [&](SocketCell* cell) { return ReadStationConfiguration(record, cell, target.port); });
}

// write --dry-run: what the write would change, as diff shows it; nothing is sent.
int ShowPlannedChanges(CliIo& io, const Arguments& arguments, const StationTarget& target,
                       const ConfigRecord& current) {
    const auto differing = DifferingProperties(current, target.record);
    const bool reveal = arguments.Has(kReveal);
    if (arguments.Has(kJson))
        io.out << TerminalJson(
            QJsonDocument(QJsonObject{{QStringLiteral("host"), target.host},
                                      {QStringLiteral("changes"),
                                       PropertyDiffJson(current, target.record, differing, reveal)}})
                .toJson(QJsonDocument::Indented));
    else
        PrintPropertyDiff(io.out, current, target.record, differing, reveal);
    return differing.empty() ? kExitSuccess : kExitDifferent;
}

QString MacText(const MacAddress& mac) {
    return QString::fromStdString(FormatMacAddress(mac));
}

// The chooser's "Restarted:": when the answer was received minus the station's up-time.
QString RestartedText(const ConfigRecord& record) {
    const QDateTime restarted =
        QDateTime::fromSecsSinceEpoch(qint64(record.createdTime) - qint64(record.uptimeTicks / 100));
    return restarted.toString(QStringLiteral("yyyy/MM/dd, hh:mm:ss AP"));
}

} // namespace

int RunDiscover(const QStringList& words, CliIo& io) {
    Arguments arguments;
    QString error;
    const QString json = QStringLiteral("--json"), targetOption = QStringLiteral("--target");
    if (!arguments.Parse(words, {json}, {targetOption}, error))
        return UsageError(io, error);
    if (!arguments.positional().isEmpty())
        return UsageError(io, QStringLiteral("discover takes no file or host"));
    std::string target = kDiscoveryTarget;
    std::uint16_t port = kDiscoveryPort;
    if (arguments.Has(targetOption)) {
        std::uint32_t address = 0;
        const QByteArray text = arguments.Value(targetOption).toLatin1();
        if (!ParseDottedQuad(text.constData(), address, port))
            return UsageError(io, QStringLiteral("--target needs ADDR[:PORT] with a dotted-quad address"));
        target = FormatDottedQuad(address);
        port = port != 0 ? port : kDiscoveryPort;
    }

    std::vector<std::unique_ptr<ConfigRecord>> stations;
    Discovery discovery;
    const int status = StartDiscovery(
        discovery,
        [&stations](std::unique_ptr<ConfigRecord>& record) {
            // As the chooser does: one entry per WAN MAC address and station address.
            const bool listed = std::any_of(stations.begin(), stations.end(), [&](const auto& known) {
                return known->wanMac == record->wanMac && known->stationAddress == record->stationAddress;
            });
            if (!listed)
                stations.push_back(std::move(record));
            return true;
        },
        target, port);
    if (status != 0)
        return Fail(io, kExitStationFailed, StationFailureText(status));
    StopDiscovery(discovery); // after the one scan that StartDiscovery asked for
    std::sort(stations.begin(), stations.end(),
              [](const auto& a, const auto& b) { return a->stationAddress < b->stationAddress; });

    if (arguments.Has(json)) {
        QJsonArray list;
        for (const auto& station : stations)
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
                {QStringLiteral("restarted"), RestartedText(*station)},
            });
        io.out << TerminalJson(QJsonDocument(list).toJson(QJsonDocument::Indented));
        return kExitSuccess;
    }
    io.out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7\n")
                  .arg(QStringLiteral("Name"), -31)
                  .arg(QStringLiteral("Address"), -15)
                  .arg(QStringLiteral("Corvane MAC"), -17)
                  .arg(QStringLiteral("LAN MAC"), -17)
                  .arg(QStringLiteral("WAN MAC"), -17)
                  .arg(QStringLiteral("Flags"), -6)
                  .arg(QStringLiteral("Restarted"));
    for (const auto& station : stations)
        io.out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7%8\n")
                      .arg(TerminalText(FromStationText(station->syNm)), -31)
                      .arg(QString::fromStdString(FormatDottedQuad(station->stationAddress)), -15)
                      .arg(MacText(station->wirelessMac), -17)
                      .arg(MacText(station->lanMac), -17)
                      .arg(MacText(station->wanMac), -17)
                      .arg(QStringLiteral("0x%1").arg(station->stationFlags, 4, 16, QLatin1Char('0')), -6)
                      .arg(RestartedText(*station))
                      .arg((station->stationFlags & kStationFlagReset)
                               ? QStringLiteral("  (reset, not configured)")
                               : QString());
    io.out << stations.size() << " base station(s) found\n";
    return kExitSuccess;
}

int RunRead(const QStringList& words, CliIo& io) {
    Arguments arguments;
    StationTarget target;
    int code = 0;
    if (!PrepareStation(words, 0, {}, {kOutput}, io, arguments, target, code))
        return code;
    if (!arguments.Has(kOutput) || arguments.Value(kOutput).isEmpty())
        return UsageError(io, QStringLiteral("read needs -o FILE.cfg"));
    if (!AskPassword(io, arguments, target, code))
        return code;
    ConfigRecord record;
    if (const int exit = ReadStation(io, target, record); exit != kExitSuccess)
        return exit;
    return SaveOutput(io, arguments.Value(kOutput), record);
}

int RunWrite(const QStringList& words, CliIo& io) {
    Arguments arguments;
    StationTarget target;
    int code = 0;
    if (!PrepareStation(words, 1, {kDryRun, kReveal, kJson}, {kBackup}, io, arguments, target, code))
        return code;
    const bool dryRun = arguments.Has(kDryRun);
    if (!dryRun && (arguments.Has(kReveal) || arguments.Has(kJson)))
        return UsageError(io, QStringLiteral("--reveal-secrets and --json go with --dry-run"));
    if (arguments.Has(kBackup) && arguments.Value(kBackup).isEmpty())
        return UsageError(io, QStringLiteral("--backup needs a file name"));
    if (!LoadInput(io, arguments.positional()[1], target.record, code))
        return code;
    WarnAboutLongStationPassword(io, target.record);
    if (!AskPassword(io, arguments, target, code))
        return code;
    if (dryRun || arguments.Has(kBackup)) {
        ConfigRecord current;
        if (const int exit = ReadStation(io, target, current); exit != kExitSuccess)
            return exit;
        // No copy, no change: a backup that cannot be kept stops the write.
        if (arguments.Has(kBackup))
            if (const int exit = SaveOutput(io, arguments.Value(kBackup), current, true);
                exit != kExitSuccess)
                return Fail(io, exit, QStringLiteral("%1: nothing was written").arg(target.host));
        if (dryRun)
            return ShowPlannedChanges(io, arguments, target, current);
    }
    return RunOperation(io, target, [&](SocketCell* cell) {
        return WriteStationConfiguration(target.record, cell, target.port);
    });
}

int RunRestart(const QStringList& words, CliIo& io) {
    Arguments arguments;
    StationTarget target;
    int code = 0;
    if (!PrepareStation(words, 0, {}, {}, io, arguments, target, code) ||
        !AskPassword(io, arguments, target, code))
        return code;
    return RunOperation(io, target, [&](SocketCell* cell) {
        return RestartStationOperation(target.record, cell, target.port);
    });
}

int RunUpload(const QStringList& words, CliIo& io) {
    Arguments arguments;
    StationTarget target;
    int code = 0;
    if (!PrepareStation(words, 1, {}, {}, io, arguments, target, code))
        return code;
    // A problem with the image is the file's, not the network's: found before anything is sent.
    const QString& path = arguments.positional()[1];
    QByteArray image;
    QString reason;
    const bool read = ReadInputFile(io, path, kMaxSoftwareImageSize, image, reason);
    if (read && image.isEmpty())
        reason = QStringLiteral("the file is empty");
    if (!read || image.isEmpty())
        return Fail(io, kExitReadFailed,
                    QStringLiteral("%1: not a software image to upload: %2").arg(path, reason));
    const auto imageSize = std::uint32_t(image.size());
    if (!AskPassword(io, arguments, target, code))
        return code;
    return RunOperation(io, target, [&](SocketCell* cell) {
        return UploadStationSoftwareOperation(target.record, cell, imageSize,
                                              reinterpret_cast<const std::uint8_t*>(image.constData()),
                                              kUploadRestart, target.port);
    });
}

} // namespace corvane::cli
