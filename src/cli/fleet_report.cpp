// SPDX-License-Identifier: Apache-2.0
#include "cli/fleet_report.h"

#include "cli/exit_codes.h"
#include "config/hex_text.h"
#include "files/station_text.h"
#include "properties/terminal_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace corvane::cli {

namespace {

// How many stations did what.
struct FleetCounts {
    std::size_t good = 0;
    std::size_t failed = 0;
    std::size_t notBegun = 0;
};

bool Succeeded(const FleetStation& station) {
    return station.begun && station.outcome.ok();
}

QJsonObject StationJson(const FleetStation& station) {
    const bool ok = Succeeded(station);
    QJsonObject entry{{QStringLiteral("address"), station.target.host},
                      {QStringLiteral("begun"), station.begun},
                      {QStringLiteral("ok"), ok},
                      {QStringLiteral("exit"), station.begun ? station.outcome.exit : int(kExitSomeFailed)}};
    if (station.identified) {
        entry.insert(QStringLiteral("name"), FromStationText(station.answer.syNm));
        entry.insert(QStringLiteral("wanMac"),
                     QString::fromStdString(FormatMacAddress(station.answer.wanMac)));
    }
    entry.insert(QStringLiteral("result"), ok ? station.result : station.outcome.message);
    for (auto it = station.details.begin(); it != station.details.end(); ++it) {
        entry.insert(it.key(), it.value());
    }
    return entry;
}

} // namespace

FleetReport::FleetReport(CliIo& io, bool json, std::size_t total)
    : io_(io), json_(json), total_(total), progress_(io.err, io.errIsTerminal) {}

void FleetReport::Ended(const FleetStation& station) {
    ++ended_;
    progress_.Clear();
    if (!json_) {
        QString line = station.outcome.ok()
                           ? QStringLiteral("%1: %2").arg(station.target.host, station.result)
                           : station.outcome.message;
        io_.out << TerminalText(line.replace(QLatin1Char('\n'), QLatin1Char(' '))) << "\n";
        io_.out.flush();
    }
    Waiting();
}

void FleetReport::Waiting() {
    progress_.Show(TerminalProgress::Count(ended_, total_));
}

int FleetReport::Finish(const std::vector<FleetStation>& stations, const QString& succeeded) {
    progress_.Clear();
    FleetCounts counts;
    QJsonArray list;
    for (const FleetStation& station : stations) {
        counts.good += Succeeded(station);
        counts.failed += station.begun && !Succeeded(station);
        counts.notBegun += !station.begun;
        list.append(StationJson(station));
    }
    if (json_) {
        io_.out << TerminalJson(
            QJsonDocument(QJsonObject{{QStringLiteral("stations"), list},
                                      {QStringLiteral("succeeded"), qint64(counts.good)},
                                      {QStringLiteral("failed"), qint64(counts.failed)},
                                      {QStringLiteral("notBegun"), qint64(counts.notBegun)}})
                .toJson(QJsonDocument::Indented));
    } else {
        io_.out << QStringLiteral("%1 of %2 base station(s) %3, %4 failed%5")
                       .arg(counts.good)
                       .arg(stations.size())
                       .arg(succeeded)
                       .arg(counts.failed)
                       .arg(counts.notBegun ? QStringLiteral(", %1 not begun").arg(counts.notBegun)
                                            : QString())
                << "\n";
    }
    const bool interrupted = std::any_of(stations.begin(), stations.end(), [](const FleetStation& station) {
        return station.outcome.exit == kExitInterrupted;
    });
    return interrupted                      ? int(kExitInterrupted)
           : counts.good == stations.size() ? int(kExitSuccess)
                                            : int(kExitSomeFailed);
}

} // namespace corvane::cli
