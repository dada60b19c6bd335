// SPDX-License-Identifier: Apache-2.0
// key: the equivalent network password of a network password.
#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/password_input.h"
#include "config/config_record.h"
#include "config/hex_text.h"
#include "config/network_password.h"
#include "strings/ids/string_ids.h"

#include <vector>

namespace corvane::cli {

namespace {

int RunKey(const CommandLine& arguments, CliIo& io) {
    if (!arguments.positional().isEmpty() || !arguments.Has(kBitsOption)) {
        return UsageError(io, QStringLiteral("key needs --bits 40 or --bits 128"));
    }
    std::uint32_t mode = 0;
    if (!ParseKeyBits(arguments, mode)) {
        return UsageError(io, QStringLiteral("--bits takes 40 or 128"));
    }
    QString error;
    const auto password =
        ReadSecret(io, arguments.Value(kPasswordFileOption), QStringLiteral("Network password: "), error);
    if (!password) {
        return Fail(io, kExitInvalidInput, error);
    }
    std::vector<std::uint8_t> key;
    if (!ParseNetworkPassword(*password, mode, key)) {
        return Fail(io, kExitInvalidInput, MessageText(kStrInvalidNetworkPassword));
    }
    std::string text(key.size() * 2, '\0');
    HexEncode(key, text);
    io.out << QString::fromLatin1(text.data(), qsizetype(text.size())) << "\n";
    return kExitSuccess;
}

} // namespace

const Command kKeyCommand{
    "key",
    {"--bits 40|128 [--password-file FILE]"},
    "print the equivalent network password of a network password",
    {"Reads a network password as the base-station commands read theirs and prints the equivalent network "
     "password: the key in hexadecimal, for wireless clients without the Corvane software."},
    {&kBitsOption, &kPasswordFileOption},
    {},
    RunKey};

} // namespace corvane::cli
