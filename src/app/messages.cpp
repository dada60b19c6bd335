#include "app/messages.h"

#include "app/error_dialog.h"
#include "resources/string_table.h"

namespace corvane {
namespace {

constexpr unsigned kNoteIcon = 154;

} // namespace

int ShowMessage(unsigned messageId, std::int32_t errorCode, bool showCancel) {
    ErrorDialog dialog;
    dialog.message = ResourceString(messageId);
    dialog.errorCode = errorCode;
    dialog.showCancel = showCancel;
    return dialog.exec();
}

int ReportStatus(unsigned messageId, std::int32_t status, bool showCancel) {
    switch (status) {
    case 0:
        return ShowMessage(messageId, 0, showCancel);
    case -6725: // cancelled by the user: nothing to say
        return 1;
    case -16: // the base station refused the password
        return ShowMessage(135, status, showCancel);
    case -6731: // out of memory
        return ShowMessage(136, status, showCancel);
    default:
        return ShowMessage(messageId, status, showCancel);
    }
}

int ShowFormattedMessageWith(unsigned captionId, unsigned formatId, bool showCancel,
                             std::initializer_list<FormatArg> args) {
    ErrorDialog dialog;
    dialog.caption = ResourceString(captionId);
    dialog.message = FormatMessage(ResourceString(formatId), args);
    dialog.showCancel = showCancel;
    dialog.iconId = kNoteIcon;
    return dialog.exec();
}

} // namespace corvane
