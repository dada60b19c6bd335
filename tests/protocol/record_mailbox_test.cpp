// SPDX-License-Identifier: Apache-2.0
// The mailbox that carries discovery's records to the window's thread, with both threads running: plain C++,
// so ThreadSanitizer checks it in the tsan preset.
#include "protocol/record_mailbox.h"

#include <condition_variable>
#include <deque>
#include <gtest/gtest.h>
#include <mutex>
#include <new>
#include <thread>

namespace corvane {
namespace {

// What the receiver's event queue does: batches in the order they were sent, until the sender closes it.
class BatchQueue {
public:
    RecordBatch& Send(std::unique_ptr<ConfigRecord> record) {
        auto batch = std::make_unique<RecordBatch>();
        batch->records.push_back(std::move(record));
        RecordBatch& sent = *batch;
        std::lock_guard lock(mutex_);
        batches_.push_back(std::move(batch));
        changed_.notify_one();
        return sent;
    }
    void Close() {
        std::lock_guard lock(mutex_);
        closed_ = true;
        changed_.notify_one();
    }
    // The next batch; null once the queue is closed and empty.
    std::unique_ptr<RecordBatch> Next() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return closed_ || !batches_.empty(); });
        if (batches_.empty()) {
            return nullptr;
        }
        std::unique_ptr<RecordBatch> next = std::move(batches_.front());
        batches_.pop_front();
        return next;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::unique_ptr<RecordBatch>> batches_;
    bool closed_ = false;
};

std::unique_ptr<ConfigRecord> Numbered(std::uint32_t n) {
    auto record = std::make_unique<ConfigRecord>();
    record->stationAddress = n;
    return record;
}

TEST(RecordMailboxTest, EveryRecordPostedWhileBatchesAreTakenArrivesExactlyOnce) {
    constexpr int kRounds = 2000;
    constexpr std::uint32_t kAnswers = 40;
    for (int round = 0; round < kRounds; ++round) {
        BatchQueue queue;
        RecordMailbox mailbox([&queue](std::unique_ptr<ConfigRecord> record) -> RecordBatch& {
            return queue.Send(std::move(record));
        });
        std::thread discovery([&] {
            for (std::uint32_t n = 0; n < kAnswers; ++n) {
                std::unique_ptr<ConfigRecord> record = Numbered(n);
                EXPECT_TRUE(mailbox.Post(record));
            }
            queue.Close();
        });
        // The window's side: counts each answer as the batch it came in hands it over.
        std::vector<int> arrivals(kAnswers, 0);
        std::size_t signalled = 0;
        while (std::unique_ptr<RecordBatch> batch = queue.Next()) {
            for (const std::unique_ptr<ConfigRecord>& record : mailbox.Take(*batch)) {
                ++arrivals[record->stationAddress];
                ++signalled;
            }
        }
        discovery.join();
        ASSERT_EQ(signalled, kAnswers) << "round " << round;
        ASSERT_EQ(arrivals, std::vector<int>(kAnswers, 1)) << "round " << round;
    }
}

TEST(RecordMailboxTest, RecordsJoinTheBatchOnItsWayAndANewBatchStartsOnceItIsTaken) {
    BatchQueue queue;
    RecordMailbox mailbox([&queue](std::unique_ptr<ConfigRecord> record) -> RecordBatch& {
        return queue.Send(std::move(record));
    });
    for (std::uint32_t n = 0; n < 3; ++n) {
        std::unique_ptr<ConfigRecord> record = Numbered(n);
        ASSERT_TRUE(mailbox.Post(record));
        EXPECT_EQ(record, nullptr);
    }
    std::unique_ptr<RecordBatch> first = queue.Next();
    EXPECT_EQ(mailbox.Take(*first).size(), 3u);
    EXPECT_TRUE(mailbox.Take(*first).empty()); // taken once

    std::unique_ptr<ConfigRecord> later = Numbered(3);
    ASSERT_TRUE(mailbox.Post(later));
    queue.Close();
    std::unique_ptr<RecordBatch> second = queue.Next();
    ASSERT_NE(second, nullptr);
    const std::vector<std::unique_ptr<ConfigRecord>> taken = mailbox.Take(*second);
    ASSERT_EQ(taken.size(), 1u);
    EXPECT_EQ(taken.front()->stationAddress, 3u);
    EXPECT_EQ(queue.Next(), nullptr);
}

TEST(RecordMailboxTest, ASendThatRunsOutOfMemoryRefusesTheRecordAndTheNextPostTriesAgain) {
    BatchQueue queue;
    bool outOfMemory = true;
    RecordMailbox mailbox([&](std::unique_ptr<ConfigRecord> record) -> RecordBatch& {
        if (outOfMemory) {
            throw std::bad_alloc();
        }
        return queue.Send(std::move(record));
    });
    std::unique_ptr<ConfigRecord> refused = Numbered(0);
    EXPECT_FALSE(mailbox.Post(refused));
    outOfMemory = false;
    std::unique_ptr<ConfigRecord> accepted = Numbered(1);
    EXPECT_TRUE(mailbox.Post(accepted));
    queue.Close();
    std::unique_ptr<RecordBatch> batch = queue.Next();
    ASSERT_NE(batch, nullptr);
    EXPECT_EQ(mailbox.Take(*batch).size(), 1u);
}

} // namespace
} // namespace corvane
