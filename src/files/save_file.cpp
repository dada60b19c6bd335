#include "files/save_file.h"

#include "files/file_name.h"
#include "files/temporary_files.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {
namespace {

QString SystemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
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
    // counts as no file at all (the rename below replaces the link, not what it names).
    QByteArray target = FileNameBytes(path);
    struct stat existing {};
    const bool found = (links == LinkAtPath::Follow ? ::stat(target.constData(), &existing)
                                                    : ::lstat(target.constData(), &existing)) == 0;
    const bool existed = found && !S_ISLNK(existing.st_mode);
    if (existed && !S_ISREG(existing.st_mode)) {
        reason = QStringLiteral("not a regular file; it is left as it is");
        return false;
    }
    if (existed) {
        const std::unique_ptr<char, decltype(&std::free)> real(::realpath(target.constData(), nullptr),
                                                               &std::free);
        if (real == nullptr) {
            reason = SystemReason(errno);
            return false;
        }
        target = real.get();
    }
    // A new file beside the old one, renamed over it only once every byte has reached the disk.
    QByteArray temporary = target + ".XXXXXX";
    const int descriptor = CreateTemporaryFile(temporary);
    if (descriptor < 0) {
        reason = SystemReason(errno);
        return false;
    }
    const mode_t mode = existed ? existing.st_mode & 07777 : S_IRUSR | S_IWUSR;
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

} // namespace corvane
