#include "cli/cli_messages.h"

namespace corvane::cli {

namespace {
constexpr int kWrongPasswordStatus = -16;
constexpr int kOutOfMemoryStatus = -6731;
} // namespace

QString MessageText(MessageId id) {
    switch (id) {
    case kMessageAccessFailed:
        return QStringLiteral("An error occurred while trying to access the base station. Make sure your network "
                              "connection is valid and try again.");
    case kMessageWrongPassword:
        return QStringLiteral("The password entered does not match that of the base station. Make sure the password "
                              "is correct and try again.");
    case kMessageOutOfMemory:
        return QStringLiteral("An error occurred because there was not enough memory to perform the operation. "
                              "Close open applications and documents and try again.");
    case kMessageWriteConfigFailed:
        return QStringLiteral("An error occurred while trying to write the configuration file. Make sure the "
                              "filename and access permissions are correct and try again.");
    case kMessageReadConfigFailed:
        return QStringLiteral("An error occurred while trying to read the configuration file. Make sure the file is "
                              "a valid configuration file and try again.");
    case kMessageInvalidNetworkPassword:
        return QStringLiteral(
            "The password is invalid. Passwords must be normal text, quoted text containing exactly 5 characters for "
            "40-bit or 13 characters for 128-bit, or hex-encoded text prefixed with either \"$\" or \"0x\" and "
            "containing 11 characters for 40-bit or 26 characters for 128-bit. Make sure the password is valid and "
            "try again.");
    }
    return {};
}

QString StationFailureText(int status) {
    const MessageId id = status == kWrongPasswordStatus ? kMessageWrongPassword
                         : status == kOutOfMemoryStatus ? kMessageOutOfMemory
                                                        : kMessageAccessFailed;
    return QStringLiteral("%1 (Error Code: %2)").arg(MessageText(id)).arg(status);
}

} // namespace corvane::cli
