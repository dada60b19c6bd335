// SPDX-License-Identifier: Apache-2.0
#include "cli/terminating_signals.h"

#include "cli/terminal_echo.h"
#include "files/temporary_files.h"

#include <csignal>
#include <fcntl.h>
#include <pthread.h>
#include <thread>
#include <unistd.h>

namespace corvane::cli {

namespace {

constexpr int kTerminatingSignals[] = {SIGINT, SIGTERM, SIGHUP};

int signalPipe[2] = {-1, -1};
bool (*interruptHandler)() = nullptr;

sigset_t TerminatingSignals() {
    sigset_t set;
    ::sigemptyset(&set);
    for (const int signal : kTerminatingSignals) {
        ::sigaddset(&set, signal);
    }
    return set;
}

// Async-signal-safe: passes the signal to the ending thread, which ends the process while this thread waits.
extern "C" void OnTerminatingSignal(int signal) {
    if (signal == SIGINT && interruptHandler != nullptr && interruptHandler()) {
        return;
    }
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const auto ignored = ::write(signalPipe[1], &number, 1);
    for (;;) {
        ::pause();
    }
}

// Runs with the terminating signals blocked, so the handler never runs here; ends the process by the
// first signal that comes.
void EndOnSignal() {
    unsigned char number = 0;
    while (::read(signalPipe[0], &number, 1) != 1) {
    }
    const int signal = number;
    RestoreTerminalEcho();
    RemoveTemporaryFilesForExit();
    std::signal(signal, SIG_DFL);
    sigset_t only;
    ::sigemptyset(&only);
    ::sigaddset(&only, signal);
    ::pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(signal);
    ::_exit(128 + signal); // not reached: the signal ends the process
}

} // namespace

void InstallTerminatingSignalHandlers(bool (*interrupt)()) {
    if (::pipe2(signalPipe, O_CLOEXEC) != 0) {
        return;
    }
    interruptHandler = interrupt;
    const sigset_t terminating = TerminatingSignals();
    sigset_t previous;
    ::pthread_sigmask(SIG_BLOCK, &terminating, &previous);
    std::thread(EndOnSignal).detach(); // inherits the blocked signals
    ::pthread_sigmask(SIG_SETMASK, &previous, nullptr);

    struct sigaction action {};
    action.sa_handler = OnTerminatingSignal;
    action.sa_mask = terminating; // a second signal waits for the first
    for (const int signal : kTerminatingSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace corvane::cli
