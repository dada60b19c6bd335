// SPDX-License-Identifier: Apache-2.0
#include "protocol/cell_worker.h"

#include "config/status_codes.h"

#include <system_error>

namespace corvane {

SocketCellApi DefaultSocketCellApi() {
    return {&OpenSocketCell, &CloseSocketCell, &AbortSocketCell};
}

CellWorker::CellWorker(SocketCellApi cells) : cells_(cells) {}

CellWorker::~CellWorker() {
    Join();
    if (cell_ != nullptr) {
        cells_.close(cell_, 0);
    }
}

int CellWorker::Start(std::function<void(SocketCell* cell)> work, std::uint32_t kind) {
    if (const int status = cells_.open(kind, 0, &cell_); status != 0) {
        cell_ = nullptr;
        return status;
    }
    try {
        worker_ = std::thread(std::move(work), cell_);
    } catch (const std::system_error&) {
        cells_.close(cell_, 0);
        cell_ = nullptr;
        return runner_status::kThreadNotStarted;
    }
    return 0;
}

void CellWorker::Abort() {
    if (cell_ != nullptr) {
        cells_.abort(cell_, 0);
    }
}

void CellWorker::Join() {
    if (worker_.joinable()) {
        worker_.join();
    }
}

} // namespace corvane
