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

// Restores the terminal that an EchoOff holds now, if any; safe inside a signal handler.
void RestoreTerminalEcho();

// SIGINT, SIGTERM and SIGHUP restore the terminal's echo, then end the program as they would have. SIGINT
// goes to `interrupt` instead while it returns true (a wait that an interrupt aborts).
void InstallTerminatingSignalHandlers(bool (*interrupt)());

} // namespace corvane::cli
