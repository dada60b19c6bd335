// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace corvane {

// Records on their way from discovery's thread to the receiver's, in one delivery (a posted event, say).
class RecordBatch {
public:
    std::vector<std::unique_ptr<ConfigRecord>> records;
};

// Carries discovery's records to another thread in batches: while one batch is on its way, later records join
// it instead of sending a batch each, so a burst of answers costs the receiver one delivery, however fast it
// comes. Every record posted is taken exactly once, by the Take of the batch it joined. The receiver must
// stop the posting thread before the mailbox goes with batches still on their way.
class RecordMailbox {
public:
    // Makes a batch holding `record`, sends it on its way to the receiver and returns it; throws
    // std::bad_alloc, having sent nothing, when memory ran out. Called under the mailbox's lock, so it must
    // not wait for the receiver.
    using Send = std::function<RecordBatch&(std::unique_ptr<ConfigRecord> record)>;

    explicit RecordMailbox(Send send) : send_(std::move(send)) {}
    RecordMailbox(const RecordMailbox&) = delete;
    RecordMailbox& operator=(const RecordMailbox&) = delete;

    // On the posting thread: takes the record; false when memory ran out (the record may be gone).
    bool Post(std::unique_ptr<ConfigRecord>& record);
    // On the receiver's thread, for a batch it was sent: its records, read under the lock, so later records
    // no longer join it. The count of what arrived is the size of what this returns, never the batch's own.
    std::vector<std::unique_ptr<ConfigRecord>> Take(RecordBatch& batch);

private:
    const Send send_;
    std::mutex mutex_;
    RecordBatch* open_ = nullptr; // sent and not yet taken
};

} // namespace corvane
