#pragma once

#include <QString>

namespace corvane::cli {

// The desktop utility's messages that the command-line tool prints, by string-table id.
enum MessageId : unsigned {
    kMessageAccessFailed = 134,
    kMessageWrongPassword = 135,
    kMessageOutOfMemory = 136,
    kMessageWriteConfigFailed = 148,
    kMessageReadConfigFailed = 149,
    kMessageInvalidNetworkPassword = 150,
};

QString MessageText(MessageId id);

// What the desktop utility shows for a failed base-station operation: message 135 for -16, 136 for -6731,
// else message 134; always with the status code, marked "unknown status" when no layer defines it.
QString StationFailureText(int status);

} // namespace corvane::cli
