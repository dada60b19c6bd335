// SPDX-License-Identifier: Apache-2.0
#include "sim/state_file.h"

#include "config/config_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane::sim {

namespace {

std::string SystemError(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

bool WriteAll(int fd, const std::uint8_t* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes += written;
        size -= std::size_t(written);
    }
    return true;
}

} // namespace

bool ReplaceFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes,
                           std::string& error) {
    // A name nobody can have planted beforehand (mkstemp creates it exclusively, owner-only), beside the
    // file.
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        error = SystemError("cannot create a temporary file for", path);
        return false;
    }
    struct stat existing {};
    const bool keepMode = ::stat(path.c_str(), &existing) == 0;
    bool written = WriteAll(fd, bytes.data(), bytes.size()) &&
                   (!keepMode || ::fchmod(fd, existing.st_mode & 07777) == 0) && ::fsync(fd) == 0;
    if (!written) {
        error = SystemError("cannot write", temporary);
    }
    if (::close(fd) != 0 && written) {
        error = SystemError("cannot write", temporary);
        written = false;
    }
    if (written && ::rename(temporary.c_str(), path.c_str()) != 0) {
        error = SystemError("cannot replace", path);
        written = false;
    }
    if (!written) {
        ::unlink(temporary.c_str());
    }
    return written;
}

bool PrepareStateDirectory(const std::string& path, std::string& error) {
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
        error = SystemError("cannot create the state directory", path);
        return false;
    }
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        error = SystemError("cannot use the state directory", path);
        return false;
    }
    if (!S_ISDIR(status.st_mode)) {
        error = "the state directory " + path + " is not a directory";
        return false;
    }
    // Another user could swap its files for ones of their own choosing.
    if (status.st_uid != ::geteuid()) {
        error = "the state directory " + path + " belongs to another user";
        return false;
    }
    return true;
}

LoadResult LoadStationConfiguration(const std::string& path, ConfigRecord& record, std::string& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) {
            return LoadResult::Missing;
        }
        error = SystemError("cannot open", path);
        return LoadResult::Failed;
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = SystemError("cannot read", path);
            ::close(fd);
            return LoadResult::Failed;
        }
        if (got == 0) {
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    ::close(fd);
    if (const int status = ReadConfigFile(record, bytes.size(), bytes.data()); status != 0) {
        error = path + " is not a valid configuration file (status " + std::to_string(status) + ")";
        return LoadResult::Failed;
    }
    return LoadResult::Loaded;
}

bool SaveStationConfiguration(const std::string& path, const ConfigRecord& record, std::string& error) {
    std::vector<std::uint8_t> image;
    if (const int status = WriteConfigFile(record, image); status != 0) {
        error = "cannot encode the configuration (status " + std::to_string(status) + ")";
        return false;
    }
    return ReplaceFileAtomically(path, image, error);
}

} // namespace corvane::sim
