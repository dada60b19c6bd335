// SPDX-License-Identifier: Apache-2.0
#include "runner/station_batch.h"

#include "protocol/socket_cell.h"
#include "runner/fleet_runner.h"

#include <algorithm>

namespace corvane {

StationBatch::StationBatch(std::vector<std::shared_ptr<ConfigRecord>> records, OperationBody body,
                           UploadArgs extra, Policy policy, Listener listener, SocketCellApi cells)
    : records_(std::move(records)), body_(std::move(body)), extra_(extra), policy_(std::move(policy)),
      listener_(std::move(listener)), cells_(cells) {}

StationBatch::~StationBatch() {
    Cancel();
    if (coordinator_.joinable()) {
        coordinator_.join();
    }
}

void StationBatch::Start() {
    coordinator_ = std::thread([this] {
        const std::size_t begun = RunFleetLeadFirst(
            records_.size(), policy_.leadAlone,
            [this](std::size_t station, FleetPlace&) { return RunStation(station); }, [](std::size_t) {});
        for (std::size_t station = begun; station < records_.size(); ++station) {
            listener_.changed(station, BatchState::kNotBegun, 0);
        }
        listener_.finished();
    });
}

void StationBatch::Cancel() {
    const std::lock_guard lock(mutex_);
    cancelled_ = true;
    for (SocketCell* cell : running_) {
        cells_.abort(cell, 0);
    }
}

bool StationBatch::RunStation(std::size_t station) {
    SocketCell* cell = nullptr;
    {
        const std::lock_guard lock(mutex_);
        if (cancelled_) {
            listener_.changed(station, BatchState::kNotBegun, 0);
            return false;
        }
        if (const int status = cells_.open(kCellStream, 0, &cell); status != 0) {
            listener_.changed(station, BatchState::kFailed, status);
            return true;
        }
        running_.push_back(cell);
    }
    listener_.changed(station, BatchState::kWorking, 0);
    OperationContext context(*records_[station], body_, extra_);
    context.cell = cell;
    const int status = body_(context);
    bool cancelled = false;
    {
        const std::lock_guard lock(mutex_);
        running_.erase(std::ranges::find(running_, cell));
        cancelled = cancelled_;
    }
    cells_.close(cell, 0);
    const int reported = cancelled && status != 0 ? runner_status::kCancelled : status;
    listener_.changed(station, reported == 0 ? BatchState::kDone : BatchState::kFailed, reported);
    return !cancelled && (!policy_.goesOn || policy_.goesOn(reported));
}

} // namespace corvane
