// discover, read, write, restart and upload: the tool's exchanges with base stations.
#include "cli/arguments.h"
#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "cli/config_io.h"
#include "cli/exit_codes.h"
#include "cli/password_input.h"
#include "cli/station_runner.h"
#include "config/hex_text.h"
#include "protocol/discovery.h"
#include "protocol/dotted_quad.h"
#include "protocol/host_resolution.h"
#include "protocol/station_exchanges.h"
#include "protocol/station_operations.h"
#include "resources/station_text.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <vector>

namespace corvane::cli {

namespace {

const QString kPasswordFile = QStringLiteral("--password-file");
const QString kOutput = QStringLiteral("-o");

// Status codes of reading a software image, as the desktop utility reports them.
constexpr int kImageCannotOpen = -6703;
constexpr int kImageShortRead = -6736;
constexpr int kAborted = -5;

// One base station to talk to: the record the operation bodies take, and the TCP port.
struct StationTarget {
    QString host;
    ConfigRecord record;
    std::uint16_t port = kStationPort;
};

int StationFailure(CliIo& io, const StationTarget& target, int status, bool interrupted) {
    const int code = status == -16                       ? kExitWrongPassword
                     : interrupted && status == kAborted ? kExitInterrupted
                                                         : kExitStationFailed;
    return Fail(io, code, QStringLiteral("%1: %2").arg(target.host, StationFailureText(status)));
}

// Parses "HOST[:PORT] [more positional words]" with the password options and resolves the host. False with
// the exit status in `code`.
bool PrepareStation(const QStringList& words, int files, const QSet<QString>& valued, CliIo& io,
                    Arguments& arguments, StationTarget& target, int& code) {
    QString error;
    QSet<QString> options = valued;
    options.insert(kPasswordFile);
    if (!arguments.Parse(words, {}, options, error)) {
        code = UsageError(io, error);
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
        code = StationFailure(io, target, status, false);
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
    bool interrupted = false;
    if (io.interruptible)
        io.interruptible(true);
    const int status = RunStationOperation(operation, io.interruptFd, interrupted);
    if (io.interruptible)
        io.interruptible(false);
    return status == 0 ? kExitSuccess : StationFailure(io, target, status, interrupted);
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
        io.out << QJsonDocument(list).toJson(QJsonDocument::Indented);
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
                      .arg(FromStationText(station->syNm), -31)
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
    if (!PrepareStation(words, 0, {kOutput}, io, arguments, target, code))
        return code;
    if (!arguments.Has(kOutput) || arguments.Value(kOutput).isEmpty())
        return UsageError(io, QStringLiteral("read needs -o FILE.cfg"));
    if (!AskPassword(io, arguments, target, code))
        return code;
    if (const int exit = RunOperation(
            io, target,
            [&](SocketCell* cell) { return ReadStationConfiguration(target.record, cell, target.port); });
        exit != kExitSuccess)
        return exit;
    return SaveOutput(io, arguments.Value(kOutput), target.record);
}

int RunWrite(const QStringList& words, CliIo& io) {
    Arguments arguments;
    StationTarget target;
    int code = 0;
    if (!PrepareStation(words, 1, {}, io, arguments, target, code))
        return code;
    if (!LoadInput(io, arguments.positional()[1], target.record, code) ||
        !AskPassword(io, arguments, target, code))
        return code;
    return RunOperation(io, target, [&](SocketCell* cell) {
        return WriteStationConfiguration(target.record, cell, target.port);
    });
}

int RunRestart(const QStringList& words, CliIo& io) {
    Arguments arguments;
    StationTarget target;
    int code = 0;
    if (!PrepareStation(words, 0, {}, io, arguments, target, code) ||
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
    if (!PrepareStation(words, 1, {}, io, arguments, target, code))
        return code;
    QFile file(arguments.positional()[1]);
    if (!file.open(QIODevice::ReadOnly))
        return StationFailure(io, target, kImageCannotOpen, false);
    const qint64 size = file.size();
    // An image past the block's limit is refused by the upload itself (-15) without reading it all.
    const QByteArray image = file.read(std::min<qint64>(size, qint64(kSoftwareBlockSize) + 1));
    if (image.size() != std::min<qint64>(size, qint64(kSoftwareBlockSize) + 1))
        return StationFailure(io, target, kImageShortRead, false);
    const std::uint32_t imageSize =
        size > qint64(kSoftwareBlockSize) ? std::uint32_t(kSoftwareBlockSize) + 1 : std::uint32_t(size);
    if (!AskPassword(io, arguments, target, code))
        return code;
    return RunOperation(io, target, [&](SocketCell* cell) {
        return UploadStationSoftwareOperation(target.record, cell, imageSize,
                                              reinterpret_cast<const std::uint8_t*>(image.constData()),
                                              kUploadRestart, target.port);
    });
}

} // namespace corvane::cli
