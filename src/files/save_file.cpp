// SPDX-License-Identifier: Apache-2.0
#include "files/save_file.h"

#include "files/file_name.h"
#include "files/temporary_files.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {
namespace {

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString NotARegularFile() {
    return QStringLiteral("not a regular file; it is left as it is");
}

bool WriteAll(int descriptor, QByteArrayView bytes) {
    const char* next = bytes.data();
    for (qsizetype left = bytes.size(); left > 0;) {
        const ssize_t written = ::write(descriptor, next, std::size_t(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

// By the effective ids, as an open for writing would decide: root may write a file whose mode says read-only,
// as it could with any other program, but nobody writes on a read-only file system.
bool MayWrite(const QByteArray& path) {
    return ::faccessat(AT_FDCWD, path.constData(), W_OK, AT_EACCESS) == 0;
}

QByteArray Folder(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.first(slash);
}

// A new file beside the old one, renamed over it only once every byte has reached the disk: the old file is
// never lost.
bool ReplaceWhole(const QByteArray& target, mode_t mode, QByteArrayView bytes, QString& reason) {
    QByteArray temporary = target + ".XXXXXX";
    const int descriptor = CreateTemporaryFile(temporary);
    if (descriptor < 0) {
        reason = SystemReason(errno);
        return false;
    }
    const bool written =
        ::fchmod(descriptor, mode) == 0 && WriteAll(descriptor, bytes) && ::fsync(descriptor) == 0;
    const int writeError = errno;
    if (::close(descriptor) != 0 || !written || !RenameTemporaryFile(temporary, target)) {
        reason = SystemReason(written ? errno : writeError);
        RemoveTemporaryFile(temporary);
        return false;
    }
    return true;
}

// Where no file can be made beside it, the file itself is written over, cut to the new length and pushed to
// the disk, and every step is checked. Not blocking: something that became a pipe meanwhile is refused.
bool OverwriteInPlace(const QByteArray& target, QByteArrayView bytes, QString& reason) {
    const int descriptor = ::open(target.constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        reason = SystemReason(errno);
        return false;
    }
    struct stat opened {};
    if (::fstat(descriptor, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(descriptor);
        reason = NotARegularFile();
        return false;
    }
    const bool written =
        WriteAll(descriptor, bytes) && ::ftruncate(descriptor, bytes.size()) == 0 && ::fsync(descriptor) == 0;
    const int writeError = errno;
    if (::close(descriptor) != 0 || !written) {
        reason = SystemReason(written ? errno : writeError);
        return false;
    }
    return true;
}

} // namespace

bool WriteAndFlush(QFileDevice& file, QByteArrayView bytes, QString& reason) {
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

bool SaveFileAtomically(const QString& path, QByteArrayView bytes, QString& reason, LinkAtPath links) {
    // By the bytes of the name, which need not be UTF-8; a symbolic link is followed to what it names, or
    // counts as no file at all (the rename replaces the link, not what it names).
    QByteArray target = FileNameBytes(path);
    struct stat existing {};
    const bool found = (links == LinkAtPath::Follow ? ::stat(target.constData(), &existing)
                                                    : ::lstat(target.constData(), &existing)) == 0;
    if (!found || S_ISLNK(existing.st_mode)) {
        return ReplaceWhole(target, S_IRUSR | S_IWUSR, bytes, reason);
    }
    if (!S_ISREG(existing.st_mode)) {
        reason = NotARegularFile();
        return false;
    }
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(target.constData(), nullptr),
                                                           &std::free);
    if (real == nullptr) {
        reason = SystemReason(errno);
        return false;
    }
    target = real.get();
    // A save may do what a plain write may: no more (a file this process may not write stays as it is), and
    // no less (a file it may write in a folder it may not is written where it is).
    if (!MayWrite(target)) {
        reason = SystemReason(errno);
        return false;
    }
    if (!MayWrite(Folder(target))) {
        return OverwriteInPlace(target, bytes, reason);
    }
    return ReplaceWhole(target, existing.st_mode & 07777, bytes, reason);
}

} // namespace corvane
