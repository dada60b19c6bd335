// SPDX-License-Identifier: Apache-2.0
#include "config/config_record.h"
#include "config/status_codes.h"
#include "protocol/event.h"
#include "protocol/socket_cell.h"
#include "runner/fleet_runner.h"
#include "runner/station_batch.h"

#include <condition_variable>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <vector>

namespace corvane {
namespace {

// Cells without sockets whose abort a body can wait for, as a body waits on a silent station.
struct FakeCell : SocketCell {
    Event aborted{Event::ResetMode::Manual};
};

const SocketCellApi kFakeCells = {
    [](std::uint32_t, std::uint32_t, SocketCell** out) {
        *out = new FakeCell;
        return 0;
    },
    [](SocketCell* cell, std::uint32_t) {
        delete static_cast<FakeCell*>(cell);
        return 0;
    },
    [](SocketCell* cell, std::uint32_t) {
        static_cast<FakeCell*>(cell)->aborted.Set();
        return 0;
    },
};

// What a batch told of each station, in the order it told it.
class Record {
public:
    StationBatch::Listener Listener() {
        return {[this](std::size_t station, BatchState state, int status) {
                    const std::lock_guard lock(mutex_);
                    states_[station].push_back(state);
                    statuses_[station] = status;
                    changed_.notify_all();
                },
                [this] {
                    const std::lock_guard lock(mutex_);
                    ++finished_;
                    changed_.notify_all();
                }};
    }

    void WaitUntil(const std::function<bool()>& ready) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, ready);
    }
    void WaitFinished() {
        WaitUntil([this] { return finished_ > 0; });
    }
    std::size_t Working() const {
        std::size_t working = 0;
        for (const auto& [station, states] : states_) {
            working += states.back() == BatchState::kWorking ? 1 : 0;
        }
        return working;
    }
    std::vector<BatchState> StatesOf(std::size_t station) {
        const std::lock_guard lock(mutex_);
        return states_[station];
    }
    int StatusOf(std::size_t station) {
        const std::lock_guard lock(mutex_);
        return statuses_[station];
    }
    int Finished() {
        const std::lock_guard lock(mutex_);
        return finished_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::map<std::size_t, std::vector<BatchState>> states_;
    std::map<std::size_t, int> statuses_;
    int finished_ = 0;
};

std::vector<std::shared_ptr<ConfigRecord>> Stations(std::size_t count) {
    std::vector<std::shared_ptr<ConfigRecord>> records;
    for (std::size_t n = 0; n < count; ++n) {
        records.push_back(std::make_shared<ConfigRecord>());
        records.back()->stationAddress = std::uint32_t(n);
    }
    return records;
}

// Each station's status by its address: the listed ones fail with theirs, the rest succeed.
OperationBody StatusByStation(std::map<std::uint32_t, int> failing) {
    return [failing](OperationContext& context) {
        const auto found = failing.find(context.record.stationAddress);
        return found != failing.end() ? found->second : 0;
    };
}

using States = std::vector<BatchState>;
const States kDoneStates = {BatchState::kWorking, BatchState::kDone};
const States kFailedStates = {BatchState::kWorking, BatchState::kFailed};
const States kNotBegunStates = {BatchState::kNotBegun};

TEST(StationBatchTest, AStationThatFailsFailsAlone) {
    Record record;
    StationBatch batch(Stations(12), StatusByStation({{5, session_status::kWrongPassword}}), {}, {},
                       record.Listener(), kFakeCells);
    batch.Start();
    record.WaitFinished();
    for (std::size_t n = 0; n < 12; ++n) {
        EXPECT_EQ(record.StatesOf(n), n == 5 ? kFailedStates : kDoneStates) << n;
    }
    EXPECT_EQ(record.StatusOf(5), session_status::kWrongPassword);
    EXPECT_EQ(record.Finished(), 1);
}

// The lead alone: a status the policy refuses leaves the rest unbegun; another lets them all run.
TEST(StationBatchTest, TheLeadRunsAloneAndAStationThatDoesNotGoOnStopsTheRest) {
    constexpr int kNotBack = -8;
    for (const bool leadComesBack : {false, true}) {
        Record record;
        std::map<std::uint32_t, int> failing;
        if (!leadComesBack) {
            failing[0] = kNotBack;
        }
        failing[3] = kNotBack;
        StationBatch batch(Stations(6), StatusByStation(failing), {},
                           {true, [](int status) { return status != kNotBack; }}, record.Listener(),
                           kFakeCells);
        batch.Start();
        record.WaitFinished();
        EXPECT_EQ(record.StatesOf(0), leadComesBack ? kDoneStates : kFailedStates);
        if (!leadComesBack) {
            for (std::size_t n = 1; n < 6; ++n) {
                EXPECT_EQ(record.StatesOf(n), kNotBegunStates) << n;
            }
        } else {
            EXPECT_EQ(record.StatesOf(3), kFailedStates);
        }
    }
}

// Cancel: the running stations are aborted through their cells and end cancelled; those not begun never
// begin.
TEST(StationBatchTest, CancelAbortsTheRunningAndBeginsNoOther) {
    Record record;
    const OperationBody waitsForAbort = [](OperationContext& context) {
        static_cast<FakeCell*>(context.cell)->aborted.Wait();
        return int(socket_status::kAborted);
    };
    constexpr std::size_t kCount = kFleetParallelism + 3;
    StationBatch batch(Stations(kCount), waitsForAbort, {}, {}, record.Listener(), kFakeCells);
    batch.Start();
    record.WaitUntil([&] { return record.Working() == kFleetParallelism; });
    batch.Cancel();
    record.WaitFinished();
    for (std::size_t n = 0; n < kCount; ++n) {
        if (n < kFleetParallelism) {
            EXPECT_EQ(record.StatesOf(n), kFailedStates) << n;
            EXPECT_EQ(record.StatusOf(n), runner_status::kCancelled) << n;
        } else {
            EXPECT_EQ(record.StatesOf(n), kNotBegunStates) << n;
        }
    }
}

} // namespace
} // namespace corvane
