#include "cli/cli_messages.h"

#include "config/status_codes.h"
#include "strings/ids/string_ids.h"
#include "strings/string_table.h"

#include <algorithm>
#include <iterator>

namespace corvane::cli {

namespace {

// The codes the layers define and the system's error numbers that the socket layer passes through. Anything
// else came from a base station that speaks of something this program does not know.
bool IsKnownStatus(int status) {
    constexpr int kLayerCodes[] = {socket_status::kSystemFailure,
                                   socket_status::kBadArgument,
                                   kOutOfMemory,
                                   socket_status::kTimedOut,
                                   socket_status::kAborted,
                                   socket_status::kConnectionLost,
                                   socket_status::kSocketsUnavailable,
                                   socket_status::kNoAddressAtPosition,
                                   kUnknownProperty,
                                   session_status::kReservedNotZero,
                                   kMalformedValue,
                                   session_status::kWrongPassword,
                                   kUnsupportedVersion,
                                   kBadMagic};
    return std::find(std::begin(kLayerCodes), std::end(kLayerCodes), status) != std::end(kLayerCodes) ||
           (status >= kProgramCodesLowest && status <= kProgramCodesHighest) || (status > 0 && status < 4096);
}

} // namespace

QString MessageText(StringId id) {
    const std::string_view text = ResourceString(id);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString StationFailureText(int status) {
    const StringId id = status == session_status::kWrongPassword ? kStrWrongPassword
                        : status == file_status::kOutOfMemory    ? kStrOutOfMemory
                                                                 : kStrStationAccessError;
    return QStringLiteral("%1 (Error Code: %2%3)")
        .arg(MessageText(id))
        .arg(status)
        .arg(IsKnownStatus(status) ? QString() : QStringLiteral(", unknown status"));
}

} // namespace corvane::cli
