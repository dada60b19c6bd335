#pragma once

#include "protocol/socket_cell.h"

#include <functional>

namespace corvane::cli {

// Runs one base-station operation on a worker thread while this thread blocks in poll() on the worker's
// completion and on `interruptFd`; an interrupt aborts the operation's socket, so its wait ends with -5.
// Returns the operation's status (or the cell's opening status); `interrupted` tells whether the user
// interrupted.
int RunStationOperation(const std::function<int(SocketCell*)>& operation, int interruptFd, bool& interrupted);

} // namespace corvane::cli
