// SPDX-License-Identifier: Apache-2.0
#include "cli/config_io.h"

#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "config/config_file.h"
#include "files/bounded_read.h"
#include "files/file_name.h"
#include "files/save_file.h"
#include "protocol/message_header.h"
#include "protocol/station_exchanges.h"
#include "strings/ids/string_ids.h"

#include <sys/stat.h>
#include <vector>

namespace corvane::cli {

bool ReadInputFile(CliIo& io, const QString& path, qint64 limit, QByteArray& bytes, QString& reason) {
    if (path == QLatin1String("-")) {
        return ReadDeviceBounded(io.in, limit, bytes, reason);
    }
    return ReadFileBounded(path, limit, bytes, reason);
}

namespace {

bool LoadConfiguration(CliIo& io, const QString& path, ConfigRecord& record, QString& reason) {
    QByteArray bytes;
    if (!ReadInputFile(io, path, kMaxConfigurationFileSize, bytes, reason)) {
        return false;
    }
    if (bytes.isEmpty()) {
        reason = QStringLiteral("the file is empty");
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

} // namespace

bool ReadSoftwareImage(CliIo& io, const QString& path, QByteArray& image, int& code) {
    QString reason;
    const bool read = ReadInputFile(io, path, kMaxSoftwareImageSize, image, reason);
    if (read && image.isEmpty()) {
        reason = QStringLiteral("the file is empty");
    }
    if (read && !image.isEmpty()) {
        return true;
    }
    code =
        Fail(io, kExitReadFailed, QStringLiteral("%1: not a software image to upload: %2").arg(path, reason));
    return false;
}

bool SaveConfiguration(const QString& path, const ConfigRecord& record, QString& reason, bool ownerOnly,
                       LinkAtPath links) {
    std::vector<std::uint8_t> image;
    if (const int status = WriteConfigFile(record, image); status != 0) {
        reason = QStringLiteral("the configuration cannot be encoded (status %1)").arg(status);
        return false;
    }
    // A replacement keeps the permissions of the file it replaces, so an owner-only copy narrows them first,
    // and puts them back when the save fails.
    const QByteArray name = FileNameBytes(path);
    struct stat existing {};
    const mode_t kOwnerOnly = S_IRUSR | S_IWUSR;
    const bool found = (links == LinkAtPath::Follow ? ::stat(name.constData(), &existing)
                                                    : ::lstat(name.constData(), &existing)) == 0;
    const bool narrowed =
        ownerOnly && found && S_ISREG(existing.st_mode) && (existing.st_mode & 07777) != kOwnerOnly;
    if (narrowed && ::chmod(name.constData(), kOwnerOnly) != 0) {
        reason = QStringLiteral("its permissions cannot be made owner-only");
        return false;
    }
    const bool saved = SaveFileAtomically(
        path, QByteArrayView(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())), reason,
        links);
    if (!saved && narrowed) {
        ::chmod(name.constData(), existing.st_mode & 07777);
    }
    return saved;
}

bool NameOneFile(const QString& first, const QString& second) {
    struct stat one {};
    struct stat other {};
    return ::stat(FileNameBytes(first).constData(), &one) == 0 &&
           ::stat(FileNameBytes(second).constData(), &other) == 0 && one.st_dev == other.st_dev &&
           one.st_ino == other.st_ino;
}

bool LoadInput(CliIo& io, const QString& path, ConfigRecord& record, int& code) {
    QString reason;
    if (LoadConfiguration(io, path, record, reason)) {
        return true;
    }
    code = Fail(io, kExitReadFailed,
                QStringLiteral("%1: %2\n%3").arg(path, reason, MessageText(kStrConfigFileReadError)));
    return false;
}

void WarnAboutLongStationPassword(CliIo& io, const ConfigRecord& record) {
    if (record.syPW.size() <= kPasswordFieldSize) {
        return;
    }
    io.err << QStringLiteral("corvane: warning: the base station password (syPW) is %1 bytes long; a base "
                             "station checks only its first %2, so the rest is ignored")
                  .arg(record.syPW.size())
                  .arg(kPasswordFieldSize)
           << Qt::endl;
}

int SaveOutput(CliIo& io, const QString& path, const ConfigRecord& record, bool ownerOnly) {
    QString reason;
    if (SaveConfiguration(path, record, reason, ownerOnly)) {
        return kExitSuccess;
    }
    return Fail(io, kExitWriteFailed,
                QStringLiteral("%1: %2\n%3").arg(path, reason, MessageText(kStrConfigFileWriteError)));
}

} // namespace corvane::cli
