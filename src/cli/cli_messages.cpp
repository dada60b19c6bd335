#include "cli/cli_messages.h"

#include "resources/string_table.h"

#include <algorithm>
#include <iterator>

namespace corvane::cli {

namespace {
constexpr int kWrongPasswordStatus = -16;
constexpr int kOutOfMemoryStatus = -6731;

// The codes the layers define (socket layer, session, codec and file format, commands and runner) and the
// system's error numbers that the socket layer passes through. Anything else came from a base station that
// speaks of something this program does not know.
bool IsKnownStatus(int status) {
    constexpr int kLayerCodes[] = {-1, -2, -3, -4, -5, -6, -7, -9, -10, -14, -15, -16, -19, -20};
    return std::find(std::begin(kLayerCodes), std::end(kLayerCodes), status) != std::end(kLayerCodes) ||
           (status >= -6740 && status <= -6703) || (status > 0 && status < 4096);
}
} // namespace

QString MessageText(MessageId id) {
    const std::string_view text = ResourceString(id);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString StationFailureText(int status) {
    const MessageId id = status == kWrongPasswordStatus ? kMessageWrongPassword
                         : status == kOutOfMemoryStatus ? kMessageOutOfMemory
                                                        : kMessageAccessFailed;
    return QStringLiteral("%1 (Error Code: %2%3)")
        .arg(MessageText(id))
        .arg(status)
        .arg(IsKnownStatus(status) ? QString() : QStringLiteral(", unknown status"));
}

} // namespace corvane::cli
