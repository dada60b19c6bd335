// SPDX-License-Identifier: Apache-2.0
#include "files/bounded_read.h"

#include "config/config_file.h"
#include "config/status_codes.h"
#include "files/file_name.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <unistd.h>

namespace corvane {

namespace {

QString TooLarge(qint64 limit) {
    return QStringLiteral("the file is larger than %1 bytes").arg(limit);
}

// Opens the file by the bytes of its name, which need not be UTF-8.
bool OpenForReading(const QString& path, QFile& file, QString& reason) {
    const int descriptor = ::open(FileNameBytes(path).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        reason = file.errorString();
        ::close(descriptor);
        return false;
    }
    return true;
}

// Appends what `device` holds to `bytes` until its end or until `count` bytes have been read; false with the
// reason when a read fails.
bool ReadUpTo(QIODevice& device, qint64 count, QByteArray& bytes, QString& reason) {
    char piece[64 * 1024];
    while (bytes.size() < count) {
        const qint64 got = device.read(piece, std::min<qint64>(sizeof piece, count - bytes.size()));
        if (got < 0) {
            reason = device.errorString();
            return false;
        }
        if (got == 0) { // the end (files and standard input block until there is more)
            return true;
        }
        bytes.append(piece, got);
    }
    return true;
}

} // namespace

bool ReadFileBounded(const QString& path, qint64 limit, QByteArray& bytes, QString& reason) {
    QFile file;
    if (!OpenForReading(path, file, reason)) {
        return false;
    }
    if (file.size() > limit) {
        reason = TooLarge(limit);
        return false;
    }
    return ReadDeviceBounded(file, limit, bytes, reason);
}

bool ReadDeviceBounded(QIODevice& device, qint64 limit, QByteArray& bytes, QString& reason) {
    // The size a device claims is not trusted (/dev/zero claims 0): read one byte past the limit instead.
    QByteArray read;
    if (!ReadUpTo(device, limit + 1, read, reason)) {
        return false;
    }
    if (read.size() > limit) {
        reason = TooLarge(limit);
        return false;
    }
    bytes = std::move(read);
    return true;
}

int ReadWholeFile(const QString& path, QByteArray& bytes, int tooLarge) {
    // In binary mode as a stream, which the file-size operation takes; `file` reads through it and closes it.
    std::FILE* const stream = std::fopen(FileNameBytes(path).constData(), "rbe"); // e: closed on exec
    if (stream == nullptr) {
        return file_status::kNotOpened;
    }
    QFile file;
    if (!file.open(stream, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        std::fclose(stream);
        return file_status::kNotOpened;
    }
    std::uint64_t size = 0;
    if (const int status = GetFileSize(stream, &size); status != 0) {
        return status;
    }
    // A file far larger than any configuration or software image is refused unread.
    if (size > std::uint64_t(kMaxConfigurationFileSize)) {
        return tooLarge;
    }
    QByteArray read;
    QString reason; // the status says it all
    try {
        read.reserve(qsizetype(size));
        if (!ReadUpTo(file, qint64(size), read, reason) || read.size() != qsizetype(size)) {
            return file_status::kIncomplete;
        }
    } catch (const std::bad_alloc&) {
        return file_status::kOutOfMemory;
    }
    bytes = std::move(read);
    return 0;
}

bool ReadFirstLine(const QString& path, qint64 limit, QByteArray& line, QString& reason) {
    QFile file;
    if (!OpenForReading(path, file, reason)) {
        return false;
    }
    // readLine stops after the line end or at the limit, so a file without one is never read whole.
    QByteArray read = file.readLine(limit + 3);
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        return false;
    }
    if (read.isEmpty()) {
        reason = QStringLiteral("the file is empty");
        return false;
    }
    const bool ended = read.endsWith('\n');
    if (ended) {
        read.chop(1);
    }
    if (ended && read.endsWith('\r')) {
        read.chop(1);
    }
    if (read.size() > limit || (!ended && !file.atEnd())) {
        reason = QStringLiteral("the first line is longer than %1 bytes").arg(limit);
        return false;
    }
    line = std::move(read);
    return true;
}

} // namespace corvane
