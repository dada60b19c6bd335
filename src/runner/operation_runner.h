// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/status_codes.h"
#include "protocol/cell_worker.h"
#include "protocol/event.h"
#include "runner/operation_ui.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>

namespace corvane {

class ConfigRecord;

// The image arguments of an upload.
struct UploadArgs {
    std::uint32_t size = 0;
    const std::uint8_t* data = nullptr;
    std::uint32_t flags = 0;
};

struct OperationContext;
// An operation body: runs on the worker thread, reads the record, the cell and the extra arguments from the
// context.
using OperationBody = std::function<int(OperationContext& context)>;

// One operation, on the calling thread's stack, shared with its worker. `done` and `dialog` are guarded by
// `lock`; `result` is written by the worker before `finished` is set and read by the caller after it.
struct OperationContext {
    OperationContext(ConfigRecord& operationRecord, const OperationBody& operationBody,
                     UploadArgs operationExtra)
        : record(operationRecord), body(operationBody), extra(operationExtra) {}

    std::mutex lock;
    ConfigRecord& record;
    Event finished{Event::ResetMode::Manual};
    bool done = false;
    int result = 1;
    ProgressDialogInterface* dialog = nullptr;
    SocketCell* cell = nullptr;
    const OperationBody& body;
    const UploadArgs extra;
};

struct OperationBodies {
    OperationBody read;
    OperationBody write;
    OperationBody restart;
    OperationBody upload;
};

// Runs one base-station exchange on a worker thread while the caller's thread shows a wait cursor and, when
// the exchange lasts longer than the dialog delay, a modal progress dialog with Cancel. Keeps no state
// between operations; one instance serves the whole program.
class OperationRunner {
public:
    static constexpr std::chrono::milliseconds kDialogDelay{2000};

    OperationRunner(OperationUi& ui, OperationBodies bodies, SocketCellApi cells = DefaultSocketCellApi(),
                    std::chrono::milliseconds dialogDelay = kDialogDelay);

    // The body's status, kCancelled when the user cancelled, kThreadNotStarted, or the cell opening's
    // failure. Returns only once the worker has finished.
    int RunOperation(ConfigRecord& record, const ProgressSpec& progress, const OperationBody& body,
                     UploadArgs extra = {});

    // The exchanges this runner runs, for a batch of stations to run the same ones.
    const OperationBodies& Bodies() const { return bodies_; }

    int ReadConfiguration(ConfigRecord& record);
    int WriteConfiguration(ConfigRecord& record);
    int RestartBaseStation(ConfigRecord& record);
    // Always asks for a restart after the upload, whatever the caller's flags.
    int UploadSoftware(ConfigRecord& record, std::uint32_t size, const std::uint8_t* data,
                       std::uint32_t flags);

private:
    OperationUi& ui_;
    const OperationBodies bodies_;
    const SocketCellApi cells_;
    const std::chrono::milliseconds dialogDelay_;
};

} // namespace corvane
