// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "protocol/cell_worker.h"
#include "runner/operation_runner.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace corvane {

class ConfigRecord;

// What has become of one station of a batch.
enum class BatchState { kWaiting, kWorking, kDone, kFailed, kNotBegun };

// One operation on many base stations, as many at once as a fleet of the command-line tool, on threads of its
// own: the caller's thread never waits for it. Each station works over a socket cell of its own, so Cancel
// aborts a running station as the runner's Cancel aborts a single operation, and no station begins after it.
// With `leadAlone` the first station runs alone; a station whose status `goesOn` refuses (as a station that
// did not come back from new software) leaves every station after it unbegun, as `corvane upload --wait`
// does.
class StationBatch {
public:
    // Hears of each station as it begins and as it ends (its status then), on a worker thread; the last call
    // of all is `finished`, once no station works any more.
    struct Listener {
        std::function<void(std::size_t station, BatchState state, int status)> changed;
        std::function<void()> finished;
    };

    struct Policy {
        bool leadAlone = false;
        std::function<bool(int status)> goesOn; // empty: every status goes on
    };

    StationBatch(std::vector<std::shared_ptr<ConfigRecord>> records, OperationBody body, UploadArgs extra,
                 Policy policy, Listener listener, SocketCellApi cells = DefaultSocketCellApi());
    StationBatch(const StationBatch&) = delete;
    StationBatch& operator=(const StationBatch&) = delete;
    // Cancels what still runs and waits for it.
    ~StationBatch();

    void Start();
    void Cancel();

private:
    bool RunStation(std::size_t station);

    const std::vector<std::shared_ptr<ConfigRecord>> records_;
    const OperationBody body_;
    const UploadArgs extra_;
    const Policy policy_;
    const Listener listener_;
    const SocketCellApi cells_;
    std::mutex mutex_;
    bool cancelled_ = false;           // guarded by mutex_
    std::vector<SocketCell*> running_; // guarded by mutex_
    std::thread coordinator_;
};

} // namespace corvane
