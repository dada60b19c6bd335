// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "strings/ids/string_ids.h"
#include "strings/message_format.h"

#include <cstdint>

namespace corvane {

// Every message reaches the user through these, in the Error dialog. Each returns the dialog's result: 1 for
// OK, 2 for Cancel or the close box.

// Shows string `messageId`, with its error code when not 0, and Cancel when asked.
int ShowMessage(StringId messageId, std::int32_t errorCode, bool showCancel);

// Reports the status of a base-station operation: 0 shows the message without code; a user's cancel
// (runner_status::kCancelled) shows nothing and gives 1; a wrong password (session_status::kWrongPassword)
// and lack of memory (file_status::kOutOfMemory) show messages of their own, each with its code; any other
// status shows the message with the status as code.
int ReportStatus(StringId messageId, std::int32_t status, bool showCancel);

// Shows string `formatId` formatted with `args` under the caption of string `captionId`, with the note icon
// and no code.
int ShowFormattedMessageWith(StringId captionId, StringId formatId, bool showCancel,
                             std::initializer_list<FormatArg> args);

template <typename... Args>
int ShowFormattedMessage(StringId captionId, StringId formatId, bool showCancel, const Args&... args) {
    return ShowFormattedMessageWith(captionId, formatId, showCancel, {MakeFormatArg(args)...});
}

} // namespace corvane
