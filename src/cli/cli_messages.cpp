// SPDX-License-Identifier: Apache-2.0
#include "cli/cli_messages.h"

#include "config/status_codes.h"
#include "strings/ids/string_ids.h"
#include "strings/status_message.h"
#include "strings/string_table.h"

namespace corvane::cli {

QString MessageText(StringId id) {
    const std::string_view text = ResourceString(id);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString StationFailureText(int status) {
    return QStringLiteral("%1 (Error Code: %2%3)")
        .arg(MessageText(MessageIdForStatus(kStrStationAccessError, status)))
        .arg(status)
        .arg(IsKnownStatus(status) ? QString() : QStringLiteral(", unknown status"));
}

} // namespace corvane::cli
