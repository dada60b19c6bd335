#include "cli/config_io.h"

#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "config/config_file.h"

#include <QFile>
#include <QSaveFile>
#include <vector>

namespace corvane::cli {

bool LoadConfiguration(const QString& path, ConfigRecord& record, QString& reason) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError || bytes.isEmpty()) {
        reason = bytes.isEmpty() ? QStringLiteral("the file is empty") : file.errorString();
        return false;
    }
    const int status = ReadConfigFile(record, std::size_t(bytes.size()),
                                      reinterpret_cast<const std::uint8_t*>(bytes.constData()));
    if (status != 0) {
        reason = QStringLiteral("not a valid configuration file (status %1)").arg(status);
        return false;
    }
    return true;
}

bool SaveFile(const QString& path, const QByteArray& bytes, QString& reason) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

bool SaveConfiguration(const QString& path, const ConfigRecord& record, QString& reason) {
    std::vector<std::uint8_t> image;
    if (const int status = WriteConfigFile(record, image); status != 0) {
        reason = QStringLiteral("the configuration cannot be encoded (status %1)").arg(status);
        return false;
    }
    return SaveFile(path, QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())),
                    reason);
}

bool LoadInput(CliIo& io, const QString& path, ConfigRecord& record, int& code) {
    QString reason;
    if (LoadConfiguration(path, record, reason))
        return true;
    code = Fail(io, kExitReadFailed,
                QStringLiteral("%1: %2\n%3").arg(path, reason, MessageText(kMessageReadConfigFailed)));
    return false;
}

int SaveOutput(CliIo& io, const QString& path, const ConfigRecord& record) {
    QString reason;
    if (SaveConfiguration(path, record, reason))
        return kExitSuccess;
    return Fail(io, kExitWriteFailed,
                QStringLiteral("%1: %2\n%3").arg(path, reason, MessageText(kMessageWriteConfigFailed)));
}

} // namespace corvane::cli
