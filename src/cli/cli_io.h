// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QIODevice>
#include <QTextStream>
#include <functional>

namespace corvane::cli {

// Where a command reads and writes: the process's standard streams, or buffers in tests.
struct CliIo {
    QTextStream& out;
    QTextStream& err;
    QIODevice& in; // standard input, for passwords that are not typed at a terminal
    bool inIsTerminal = false;
    int inFd = -1;        // the terminal's descriptor when inIsTerminal (echo is turned off there)
    int interruptFd = -1; // readable once the user interrupts (SIGINT); -1: never
    // Told when a wait for a base station starts (true) and ends (false): only then does an interrupt abort
    // the wait instead of ending the program.
    std::function<void(bool)> interruptible;
    bool errIsTerminal = false; // progress is drawn on the error stream only then
};

} // namespace corvane::cli
