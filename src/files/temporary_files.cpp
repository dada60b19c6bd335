// SPDX-License-Identifier: Apache-2.0
#include "files/temporary_files.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <mutex>
#include <pthread.h>
#include <set>
#include <stdlib.h>
#include <unistd.h>

namespace corvane {
namespace {

struct KeptNames {
    std::mutex mutex;
    std::set<QByteArray> names;
};

// Made before main and never destroyed, so the thread that ends the program on a signal never allocates (the
// thread it interrupted may hold the allocator's lock) and never finds it gone.
KeptNames* const kept = new KeptNames;

KeptNames& Kept() {
    return *kept;
}

// The kept names, locked, with the terminating signals held off in this thread meanwhile.
class HeldNames {
public:
    HeldNames() {
        sigset_t terminating;
        ::sigemptyset(&terminating);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
            ::sigaddset(&terminating, signal);
        }
        ::pthread_sigmask(SIG_BLOCK, &terminating, &previous_);
        Kept().mutex.lock();
    }
    ~HeldNames() {
        const int error = errno;
        Kept().mutex.unlock();
        ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
        errno = error;
    }
    HeldNames(const HeldNames&) = delete;
    HeldNames& operator=(const HeldNames&) = delete;

    std::set<QByteArray>& names() { return Kept().names; }

private:
    sigset_t previous_{};
};

} // namespace

int CreateTemporaryFile(QByteArray& nameTemplate) {
    HeldNames held;
    const int descriptor = ::mkostemp(nameTemplate.data(), O_CLOEXEC);
    if (descriptor >= 0) {
        held.names().insert(nameTemplate);
    }
    return descriptor;
}

bool RenameTemporaryFile(const QByteArray& temporary, const QByteArray& target) {
    HeldNames held;
    if (::rename(temporary.constData(), target.constData()) != 0) {
        return false;
    }
    held.names().erase(temporary);
    return true;
}

void RemoveTemporaryFile(const QByteArray& temporary) {
    HeldNames held;
    held.names().erase(temporary);
    ::unlink(temporary.constData());
}

void RemoveTemporaryFilesForExit() {
    Kept().mutex.lock(); // never unlocked: the program ends next
    for (const QByteArray& name : Kept().names) {
        ::unlink(name.constData());
    }
}

} // namespace corvane
