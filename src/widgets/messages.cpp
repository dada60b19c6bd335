// SPDX-License-Identifier: Apache-2.0
#include "widgets/messages.h"

#include "config/status_codes.h"
#include "strings/ids/icon_ids.h"
#include "strings/ids/string_ids.h"
#include "strings/status_message.h"
#include "strings/string_table.h"
#include "widgets/error_dialog.h"

namespace corvane {
int ShowMessage(StringId messageId, std::int32_t errorCode, bool showCancel) {
    ErrorDialog dialog;
    dialog.message = ResourceString(messageId);
    dialog.errorCode = errorCode;
    dialog.showCancel = showCancel;
    return dialog.exec();
}

int ReportStatus(StringId messageId, std::int32_t status, bool showCancel) {
    if (status == runner_status::kCancelled) { // nothing to say
        return 1;
    }
    return ShowMessage(MessageIdForStatus(messageId, status), status, showCancel);
}

int ShowFormattedMessageWith(StringId captionId, StringId formatId, bool showCancel,
                             std::initializer_list<FormatArg> args) {
    ErrorDialog dialog;
    dialog.caption = ResourceString(captionId);
    dialog.message = FormatMessage(ResourceString(formatId), args);
    dialog.showCancel = showCancel;
    dialog.icon = kIconNote;
    return dialog.exec();
}

} // namespace corvane
