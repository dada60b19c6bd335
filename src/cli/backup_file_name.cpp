#include "cli/backup_file_name.h"

#include "config/hex_text.h"
#include "files/station_text.h"

namespace corvane::cli {

namespace {

constexpr qsizetype kMaxNameLength = 64;

bool Kept(QChar c) {
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('-') ||
           c == QLatin1Char('_') || c == QLatin1Char('.');
}

} // namespace

QString BackupFileName(const ConfigRecord& answer) {
    QString name;
    for (const QChar c : FromStationText(answer.syNm)) {
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
    const QString mac = QString::fromStdString(FormatMacAddress(answer.wanMac)).remove(QLatin1Char(':'));
    return QStringLiteral("%1-%2.cfg").arg(name, mac);
}

} // namespace corvane::cli
