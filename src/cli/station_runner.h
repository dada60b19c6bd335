// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "protocol/socket_cell.h"

#include <chrono>
#include <functional>

namespace corvane::cli {

// How a station operation ended besides its status.
struct OperationEnd {
    bool interrupted = false; // the user interrupted it
    bool timedOut = false;    // its deadline passed
};

// Runs one base-station operation on a CellWorker while this thread blocks in poll() on the worker's
// completion and on `interruptFd`. An interrupt, or the end of `limit` (the whole operation's time), aborts
// the operation's socket (a cell of `cellKind`), so whatever it waits for (a connection, a reply, a send)
// ends with kAborted. `tick`, when given, is called on this thread about ten times a second meanwhile.
// Returns the operation's status, or the worker's starting status.
int RunStationOperation(const std::function<int(SocketCell*)>& operation, int interruptFd,
                        std::chrono::milliseconds limit, OperationEnd& end,
                        std::uint32_t cellKind = kCellStream, const std::function<void()>& tick = {});

} // namespace corvane::cli
