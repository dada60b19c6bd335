// SPDX-License-Identifier: Apache-2.0
#include "config/config_record.h"
#include "config/status_codes.h"
#include "mock_peer.h"
#include "protocol/net_socket.h"
#include "protocol/socket_cell.h"
#include "runner/operation_runner.h"
#include "runner/progress_done_counter.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <thread>

namespace corvane {
namespace {

using namespace std::chrono_literals;

class FakeUi;

// A progress dialog without a window. Its modal loop takes events from a queue fed by the worker's completion
// and by Cancel, and it follows the real dialog's counter rules, so the runner's handshake is exercised as it
// is.
class FakeProgressDialog : public ProgressDialogInterface {
public:
    explicit FakeProgressDialog(FakeUi& ui) : ui_(ui) {}

    void NotifyDone() override {
        if (counter_.Increment()) {
            Post(Posted::Done);
        }
        notified.Set();
    }

    int RunModal() override;

    void PressCancel() { Post(Posted::Cancel); }

    Event notified{Event::ResetMode::Manual};

private:
    enum class Posted { Done, Cancel };

    void Post(Posted event) {
        const std::lock_guard guard(mutex_);
        queue_.push_back(event);
        arrived_.notify_one();
    }

    Posted Take() {
        std::unique_lock guard(mutex_);
        arrived_.wait(guard, [this] { return !queue_.empty(); });
        const Posted event = queue_.front();
        queue_.pop_front();
        return event;
    }

    FakeUi& ui_;
    ProgressDoneCounter counter_;
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<Posted> queue_;
};

class FakeUi : public OperationUi {
public:
    void ShowWaitCursor() override { ++cursorShown; }
    void RestoreCursor() override { ++cursorRestored; }

    std::unique_ptr<ProgressDialogInterface> CreateProgressDialog(const ProgressSpec& progress) override {
        ++dialogsCreated;
        lastTextId = progress.textId;
        if (onCreate) {
            onCreate();
        }
        return std::make_unique<FakeProgressDialog>(*this);
    }

    int cursorShown = 0;
    int cursorRestored = 0;
    int dialogsCreated = 0;
    unsigned lastTextId = 0;
    int dialogEnds = 0;
    int lastDialogResult = 0;
    std::function<void()> onCreate;                      // under the operation's lock
    std::function<void(FakeProgressDialog&)> onRunModal; // as the dialog initialises
};

int FakeProgressDialog::RunModal() {
    if (ui_.onRunModal) {
        ui_.onRunModal(*this);
    }
    if (counter_.IsDone()) {
        Post(Posted::Done);
    }
    int result = 0;
    while (result == 0) {
        switch (Take()) {
        case Posted::Done:
            result = 1;
            break;
        case Posted::Cancel:
            if (counter_.Increment()) {
                result = 2;
            }
            break;
        }
    }
    ++ui_.dialogEnds;
    ui_.lastDialogResult = result;
    return result;
}

OperationBody Returning(int status) {
    return [status](OperationContext&) { return status; };
}

class OperationRunnerTest : public ::testing::Test {
protected:
    OperationRunner MakeRunner(OperationBodies bodies = {}, std::chrono::milliseconds delay = 1ms) {
        return OperationRunner(ui, std::move(bodies), DefaultSocketCellApi(), delay);
    }

    FakeUi ui;
    ConfigRecord record;
};

TEST_F(OperationRunnerTest, OperationDoneWithinTheDelayShowsNoDialog) {
    // A delay no busy machine outlasts: the body's return ends the wait, not the clock.
    OperationRunner runner = MakeRunner({}, std::chrono::hours(1));
    EXPECT_EQ(
        runner.RunOperation(record, {kStrProgressReading, false}, Returning(session_status::kWrongPassword)),
        session_status::kWrongPassword);
    EXPECT_EQ(ui.dialogsCreated, 0);
    EXPECT_EQ(ui.cursorShown, 1);
    EXPECT_EQ(ui.cursorRestored, 1);
}

// The worker is joined and its status returned, whatever making the dialog throws.
TEST_F(OperationRunnerTest, ADialogThatCannotBeMadeLeavesTheOperationToFinish) {
    Event release(Event::ResetMode::Manual);
    ui.onCreate = [&] {
        release.Set();
        throw std::bad_alloc();
    };
    const OperationBody body = [&](OperationContext&) {
        release.Wait();
        return 7;
    };
    EXPECT_EQ(MakeRunner().RunOperation(record, {kStrProgressReading, false}, body), 7);
    EXPECT_EQ(ui.dialogsCreated, 1);
    EXPECT_EQ(ui.dialogEnds, 0);
    EXPECT_EQ(ui.cursorShown, 2);
    EXPECT_EQ(ui.cursorRestored, 2);
}

TEST_F(OperationRunnerTest, CompletionBeforeTheDialogInitialisesEndsItWithOne) {
    Event release(Event::ResetMode::Manual);
    ui.onCreate = [&] { release.Set(); };
    // The worker finishes once the dialog is registered and before the dialog looks at its counter.
    ui.onRunModal = [](FakeProgressDialog& dialog) { dialog.notified.Wait(); };
    const OperationBody body = [&](OperationContext&) {
        release.Wait();
        return 7;
    };
    EXPECT_EQ(MakeRunner().RunOperation(record, {kStrProgressReading, false}, body), 7);
    EXPECT_EQ(ui.dialogsCreated, 1);
    EXPECT_EQ(ui.dialogEnds, 1);
    EXPECT_EQ(ui.lastDialogResult, 1);
}

TEST_F(OperationRunnerTest, CancelWhileTheBodyWaitsOnItsSocketGivesCancelledAndTheBodySeesAbort) {
    testing::MockPeer peer({[](int connection) {
        char byte = 0;
        testing::ReadExactly(connection, &byte, 1); // says nothing; ends when the runner closes the cell
    }});
    Event waiting(Event::ResetMode::Manual);
    std::atomic<int> bodyStatus{1};
    const OperationBody body = [&](OperationContext& context) {
        NetSocket* socket = context.cell->Current();
        int status = NetSocketConnect(socket, peer.Host().c_str(), 0, 0, 5000);
        if (status == 0) {
            waiting.Set();
            char reply[4];
            std::uint32_t received = 0;
            status = NetSocketReceive(socket, sizeof reply, reply, &received, 0, 0);
        }
        bodyStatus = status;
        return status;
    };
    ui.onRunModal = [&](FakeProgressDialog& dialog) {
        waiting.Wait();
        dialog.PressCancel();
    };
    EXPECT_EQ(MakeRunner().RunOperation(record, {kStrProgressReading, false}, body),
              runner_status::kCancelled);
    EXPECT_EQ(bodyStatus.load(), socket_status::kAborted);
    EXPECT_EQ(ui.lastDialogResult, 2);
}

TEST_F(OperationRunnerTest, CancelRacingCompletionEndsTheDialogExactlyOnce) {
    for (int round = 0; round < 50; ++round) {
        FakeUi raceUi;
        Event go(Event::ResetMode::Manual);
        std::thread releaser;
        raceUi.onRunModal = [&](FakeProgressDialog& dialog) {
            releaser = std::thread([&] { go.Set(); });
            dialog.PressCancel();
        };
        const OperationBody body = [&](OperationContext&) {
            go.Wait();
            return 0;
        };
        OperationRunner runner(raceUi, {}, DefaultSocketCellApi(), 1ms);
        const int result = runner.RunOperation(record, {kStrProgressUpdating, false}, body);
        releaser.join();
        ASSERT_EQ(raceUi.dialogEnds, 1);
        // Whichever came first decided: Cancel gives -6725 even though the body finished.
        ASSERT_EQ(result, raceUi.lastDialogResult == 2 ? runner_status::kCancelled : 0) << "round " << round;
    }
}

TEST_F(OperationRunnerTest, EntryPointsShowTheirTextAndUploadsAlwaysRestart) {
    std::atomic<std::uint32_t> flagsSeen{0};
    const OperationBody recordFlags = [&](OperationContext& context) {
        flagsSeen = context.extra.flags;
        return 0;
    };
    // Each body waits until the dialog exists, so the dialog's text can be checked.
    Event dialogShown(Event::ResetMode::Automatic);
    ui.onRunModal = [&](FakeProgressDialog&) { dialogShown.Set(); };
    const auto gated = [&](OperationContext& context) {
        dialogShown.Wait();
        return recordFlags(context);
    };
    OperationRunner runner = MakeRunner({gated, gated, gated, gated});
    const std::uint8_t image[3] = {1, 2, 3};
    struct Case {
        std::function<int()> run;
        StringId textId;
        std::uint32_t flags;
    };
    const Case cases[] = {
        {[&] { return runner.ReadConfiguration(record); }, kStrProgressReading, 0},
        {[&] { return runner.WriteConfiguration(record); }, kStrProgressUpdating, 0},
        {[&] { return runner.RestartBaseStation(record); }, kStrProgressRestarting, 0},
        {[&] { return runner.UploadSoftware(record, sizeof image, image, 0); }, kStrProgressUploading, 2},
        {[&] { return runner.UploadSoftware(record, sizeof image, image, 1); }, kStrProgressUploading, 3},
        {[&] { return runner.UploadSoftware(record, sizeof image, image, 2); }, kStrProgressUploading, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.run(), 0);
        EXPECT_EQ(ui.lastTextId, c.textId);
        EXPECT_EQ(flagsSeen.load(), c.flags) << "text " << c.textId;
    }
}

std::atomic<int> cellsClosed{0};

TEST_F(OperationRunnerTest, FailedCellOpeningReturnsItsStatusAndStartsNoThread) {
    const SocketCellApi failing{
        [](std::uint32_t, std::uint32_t, SocketCell**) { return socket_status::kSocketsUnavailable; },
        [](SocketCell*, std::uint32_t) {
            ++cellsClosed;
            return 0;
        },
        [](SocketCell*, std::uint32_t) { return 0; },
    };
    bool bodyRan = false;
    OperationRunner runner(ui, {}, failing, 1ms);
    EXPECT_EQ(runner.RunOperation(record, {kStrProgressRestarting, false},
                                  [&](OperationContext&) {
                                      bodyRan = true;
                                      return 0;
                                  }),
              socket_status::kSocketsUnavailable);
    EXPECT_FALSE(bodyRan);
    EXPECT_EQ(ui.cursorShown, 0);
    EXPECT_EQ(ui.dialogsCreated, 0);
    EXPECT_EQ(cellsClosed.load(), 0);
}

} // namespace
} // namespace corvane
