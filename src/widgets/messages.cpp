#include "widgets/messages.h"

#include "config/status_codes.h"
#include "strings/ids/icon_ids.h"
#include "strings/ids/string_ids.h"
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
    switch (status) {
    case 0:
        return ShowMessage(messageId, 0, showCancel);
    case runner_status::kCancelled: // nothing to say
        return 1;
    case session_status::kWrongPassword:
        return ShowMessage(kStrWrongPassword, status, showCancel);
    case file_status::kOutOfMemory:
        return ShowMessage(kStrOutOfMemory, status, showCancel);
    default:
        return ShowMessage(messageId, status, showCancel);
    }
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
