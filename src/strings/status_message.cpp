// SPDX-License-Identifier: Apache-2.0
#include "strings/status_message.h"

#include "config/status_codes.h"

namespace corvane {

StringId MessageIdForStatus(StringId messageId, std::int32_t status) {
    switch (status) {
    case session_status::kWrongPassword:
        return kStrWrongPassword;
    case file_status::kOutOfMemory:
        return kStrOutOfMemory;
    default:
        return messageId;
    }
}

} // namespace corvane
