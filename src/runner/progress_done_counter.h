// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <atomic>
#include <cstdint>

namespace corvane {

// The progress dialog's done counter. Completion (from the worker) and Cancel (from the user) each increment
// it; only the first increment ends the dialog, so the two can race and the dialog still ends exactly once.
class ProgressDoneCounter {
public:
    // True when this increment was the first.
    bool Increment() { return count_.fetch_add(1, std::memory_order_acq_rel) == 0; }
    bool IsDone() const { return count_.load(std::memory_order_acquire) > 0; }

private:
    std::atomic<std::int32_t> count_{0};
};

} // namespace corvane
