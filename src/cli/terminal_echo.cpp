#include "cli/terminal_echo.h"

#include <csignal>
#include <initializer_list>
#include <termios.h>

namespace corvane::cli {

namespace {

// What the signal handlers may read: set before echo goes off, cleared after it is back.
termios savedSettings{};
volatile std::sig_atomic_t echoOffFd = -1;
bool (*interruptHandler)() = nullptr;

extern "C" void OnTerminatingSignal(int signal) {
    if (signal == SIGINT && interruptHandler != nullptr && interruptHandler()) {
        return;
    }
    RestoreTerminalEcho();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

} // namespace

EchoOff::EchoOff(int fd) {
    if (::tcgetattr(fd, &savedSettings) != 0) {
        return;
    }
    termios quiet = savedSettings;
    quiet.c_lflag &= ~tcflag_t(ECHO);
    quiet.c_lflag |= ECHONL;
    echoOffFd = fd;
    if (::tcsetattr(fd, TCSAFLUSH, &quiet) != 0) {
        echoOffFd = -1;
    }
}

EchoOff::~EchoOff() {
    RestoreTerminalEcho();
}

void RestoreTerminalEcho() {
    const int fd = echoOffFd;
    if (fd < 0) {
        return;
    }
    ::tcsetattr(fd, TCSAFLUSH, &savedSettings);
    echoOffFd = -1;
}

void InstallTerminatingSignalHandlers(bool (*interrupt)()) {
    interruptHandler = interrupt;
    struct sigaction action {};
    action.sa_handler = OnTerminatingSignal;
    ::sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace corvane::cli
