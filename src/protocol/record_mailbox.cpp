// SPDX-License-Identifier: Apache-2.0
#include "protocol/record_mailbox.h"

#include <new>
#include <utility>

namespace corvane {

bool RecordMailbox::Post(std::unique_ptr<ConfigRecord>& record) {
    std::lock_guard lock(mutex_);
    try {
        if (open_ != nullptr) {
            open_->records.push_back(std::move(record));
        } else {
            open_ = &send_(std::move(record));
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

std::vector<std::unique_ptr<ConfigRecord>> RecordMailbox::Take(RecordBatch& batch) {
    std::lock_guard lock(mutex_);
    if (open_ == &batch) {
        open_ = nullptr;
    }
    return std::exchange(batch.records, {});
}

} // namespace corvane
