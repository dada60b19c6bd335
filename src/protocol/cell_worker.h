// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "protocol/socket_cell.h"

#include <functional>
#include <thread>

namespace corvane {

// The socket-cell functions an operation uses; tests may put failing ones in.
struct SocketCellApi {
    int (*open)(std::uint32_t kind, std::uint32_t reserved, SocketCell** out);
    int (*close)(SocketCell* cell, std::uint32_t reserved);
    int (*abort)(SocketCell* cell, std::uint32_t reserved);
};
SocketCellApi DefaultSocketCellApi();

// One base-station operation on a worker thread, over a socket cell of its own that any thread can abort:
// whatever the operation then waits for on the cell (a connection, a reply, a send) ends with kAborted. The
// desktop utility's runner and the command-line tool each wait for it in their own way; the worker is always
// joined before its cell closes.
class CellWorker {
public:
    explicit CellWorker(SocketCellApi cells = DefaultSocketCellApi());
    CellWorker(const CellWorker&) = delete;
    CellWorker& operator=(const CellWorker&) = delete;
    // Joins the worker, then closes the cell.
    ~CellWorker();

    // Opens a cell of `kind` and runs `work` with it on a new thread: 0, the cell's opening status, or
    // runner_status::kThreadNotStarted (the cell is closed again).
    int Start(std::function<void(SocketCell* cell)> work, std::uint32_t kind = kCellStream);
    // Ends whatever the work waits for on its cell, now or at its next connection.
    void Abort();
    // Waits until the work has returned.
    void Join();

private:
    const SocketCellApi cells_;
    SocketCell* cell_ = nullptr;
    std::thread worker_;
};

} // namespace corvane
