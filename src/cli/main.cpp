// SPDX-License-Identifier: Apache-2.0
#include "cli/cli.h"
#include "cli/terminating_signals.h"
#include "files/file_name.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int interruptPipe[2] = {-1, -1};
volatile std::sig_atomic_t waitingForStation = 0;

// Ctrl-C while a base station is awaited aborts the wait: the operation ends with -5.
bool InterruptWait() {
    if (!waitingForStation) {
        return false;
    }
    const char byte = 0;
    [[maybe_unused]] const auto ignored = ::write(interruptPipe[1], &byte, 1);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QFile in;
    in.open(stdin, QIODevice::ReadOnly);
    corvane::cli::CliIo io{out, err, in, false, -1, -1, nullptr};
    io.inIsTerminal = ::isatty(STDIN_FILENO) == 1;
    io.inFd = STDIN_FILENO;
    io.errIsTerminal = ::isatty(STDERR_FILENO) == 1;

    if (::pipe2(interruptPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        io.interruptFd = interruptPipe[0];
        io.interruptible = [](bool waiting) { waitingForStation = waiting ? 1 : 0; };
    }
    corvane::cli::InstallTerminatingSignalHandlers(InterruptWait);
    // Not QCoreApplication::arguments(): file names keep the bytes the system gave.
    return corvane::cli::RunCli(corvane::ProgramArguments(argc, argv), io);
}
