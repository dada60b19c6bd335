// SPDX-License-Identifier: Apache-2.0
#include "files/backup_file_name.h"

#include "config/hex_text.h"
#include "files/station_text.h"

#include <algorithm>
#include <numeric>
#include <set>
#include <tuple>

namespace corvane {

namespace {

constexpr qsizetype kMaxNameLength = 64;

bool Kept(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') ||
           c == QLatin1Char('_') || c == QLatin1Char('.');
}

// The station's name (Windows-1252) as a part of a file name; see BackupFileName.
QString SafeName(const std::string& stationName) {
    QString name;
    for (const QChar c : FromStationText(stationName)) {
        const QChar kept = Kept(c) ? c : QLatin1Char('_');
        if (kept != QLatin1Char('_') || !name.endsWith(QLatin1Char('_'))) {
            name += kept;
        }
    }
    while (name.startsWith(QLatin1Char('.'))) {
        name.remove(0, 1);
    }
    name.truncate(kMaxNameLength);
    if (name.isEmpty() || name == QLatin1String("_")) {
        name = QStringLiteral("station");
    }
    return name;
}

} // namespace

QString BackupFileName(const ConfigRecord& answer) {
    const QString mac = QString::fromStdString(FormatMacAddress(answer.wanMac)).remove(QLatin1Char(':'));
    return SafeName(answer.syNm) + QLatin1Char('-') + mac + QStringLiteral(".cfg");
}

QString BackupFileNameByAddress(const ConfigRecord& configuration, const QString& dottedAddress) {
    return SafeName(configuration.syNm) + QLatin1Char('-') + dottedAddress + QStringLiteral(".cfg");
}

std::vector<QString> DistinctBackupFileNames(const std::vector<BackupSubject>& subjects) {
    std::vector<std::size_t> order(subjects.size());
    std::iota(order.begin(), order.end(), 0);
    const auto byAddress = [&](std::size_t a, std::size_t b) {
        return std::tie(subjects[a].address, subjects[a].port, a) <
               std::tie(subjects[b].address, subjects[b].port, b);
    };
    std::sort(order.begin(), order.end(), byAddress);
    std::vector<QString> names(subjects.size());
    std::set<QString> taken; // folded to lower case
    for (const std::size_t index : order) {
        const QString& name = subjects[index].fileName;
        if (name.isEmpty()) {
            continue;
        }
        QString claimed = name;
        for (int n = 2; !taken.insert(claimed.toLower()).second; ++n) {
            claimed = name.chopped(4) + QLatin1Char('-') + QString::number(n) + QStringLiteral(".cfg");
        }
        names[index] = claimed;
    }
    return names;
}

} // namespace corvane
