// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::cli {

// Turns echo off on a terminal for its lifetime. While it is off, RestoreTerminalEcho puts it back, so the
// signal handlers that end the program (Ctrl-C, SIGTERM, SIGHUP) never leave the user's terminal silent.
class EchoOff {
public:
    explicit EchoOff(int fd);
    ~EchoOff();
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;
};

// Restores the terminal that an EchoOff holds now, if any.
void RestoreTerminalEcho();

} // namespace corvane::cli
