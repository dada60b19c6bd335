#include "cli/cli_messages.h"

#include "resources/string_table.h"

namespace corvane::cli {

namespace {
constexpr int kWrongPasswordStatus = -16;
constexpr int kOutOfMemoryStatus = -6731;
} // namespace

QString MessageText(MessageId id) {
    const std::string_view text = ResourceString(id);
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString StationFailureText(int status) {
    const MessageId id = status == kWrongPasswordStatus ? kMessageWrongPassword
                         : status == kOutOfMemoryStatus ? kMessageOutOfMemory
                                                        : kMessageAccessFailed;
    return QStringLiteral("%1 (Error Code: %2)").arg(MessageText(id)).arg(status);
}

} // namespace corvane::cli
