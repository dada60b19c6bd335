// SPDX-License-Identifier: Apache-2.0
#include "cli/terminal_echo.h"

#include <atomic>
#include <termios.h>

namespace corvane::cli {

namespace {

// What the signal thread reads: set before echo goes off, cleared after it is back.
termios savedSettings{};
std::atomic<int> echoOffFd = -1;

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
    const int fd = echoOffFd.exchange(-1);
    if (fd < 0) {
        return;
    }
    ::tcsetattr(fd, TCSAFLUSH, &savedSettings);
}

} // namespace corvane::cli
