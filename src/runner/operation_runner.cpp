// SPDX-License-Identifier: Apache-2.0
#include "runner/operation_runner.h"

#include "protocol/socket_cell.h"
#include "protocol/station_exchanges.h"
#include "strings/ids/string_ids.h"

namespace corvane {
namespace {

void Work(OperationContext& context) {
    const int result = context.body(context);
    {
        const std::lock_guard guard(context.lock);
        context.result = result;
        context.done = true;
        if (context.dialog != nullptr) {
            context.dialog->NotifyDone();
        }
    }
    context.finished.Set();
}

} // namespace

OperationRunner::OperationRunner(OperationUi& ui, OperationBodies bodies, SocketCellApi cells,
                                 std::chrono::milliseconds dialogDelay)
    : ui_(ui), bodies_(std::move(bodies)), cells_(cells), dialogDelay_(dialogDelay) {}

int OperationRunner::RunOperation(ConfigRecord& record, const ProgressSpec& progress,
                                  const OperationBody& body, UploadArgs extra) {
    OperationContext context(record, body, extra);
    CellWorker worker(cells_);
    if (const int status = worker.Start([&context](SocketCell* cell) {
            context.cell = cell;
            Work(context);
        });
        status != 0) {
        return status;
    }

    ui_.ShowWaitCursor();
    context.finished.WaitFor(dialogDelay_);
    ui_.RestoreCursor();

    std::unique_ptr<ProgressDialogInterface> dialog;
    bool dialogFailed = false;
    {
        const std::lock_guard guard(context.lock);
        if (!context.done) {
            // A dialog that cannot be made (no memory, a missing resource) must not end the process while the
            // worker runs: the operation then finishes under the wait cursor and its status is reported.
            try {
                dialog = ui_.CreateProgressDialog(progress);
            } catch (...) {
                dialogFailed = true;
            }
            context.dialog = dialog.get();
        }
    }
    if (dialogFailed) {
        ui_.ShowWaitCursor();
        context.finished.Wait();
        ui_.RestoreCursor();
    }
    bool cancelled = false;
    if (dialog != nullptr) {
        cancelled = dialog->RunModal() != 1;
        {
            const std::lock_guard guard(context.lock);
            context.dialog = nullptr;
        }
        dialog.reset();
        if (cancelled) {
            // The body's pending socket wait ends with kAborted; the worker is still awaited below.
            worker.Abort();
        }
    }

    context.finished.Wait();
    worker.Join();
    return cancelled ? runner_status::kCancelled : context.result;
}

int OperationRunner::ReadConfiguration(ConfigRecord& record) {
    return RunOperation(record, {kStrProgressReading, false}, bodies_.read);
}

int OperationRunner::WriteConfiguration(ConfigRecord& record) {
    return RunOperation(record, {kStrProgressUpdating, false}, bodies_.write);
}

int OperationRunner::RestartBaseStation(ConfigRecord& record) {
    return RunOperation(record, {kStrProgressRestarting, false}, bodies_.restart);
}

int OperationRunner::UploadSoftware(ConfigRecord& record, std::uint32_t size, const std::uint8_t* data,
                                    std::uint32_t flags) {
    return RunOperation(record, {kStrProgressUploading, false}, bodies_.upload,
                        {size, data, flags | kUploadRestart});
}

} // namespace corvane
