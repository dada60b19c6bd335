// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "strings/ids/string_ids.h"

#include <cstdint>

namespace corvane {

// The message both programs report a failed operation's `status` with, when the operation's own message is
// `messageId`: the wrong-password message for session_status::kWrongPassword, the out-of-memory message for
// file_status::kOutOfMemory, else `messageId` (also for 0, a report without a code).
StringId MessageIdForStatus(StringId messageId, std::int32_t status);

} // namespace corvane
