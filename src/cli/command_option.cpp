// SPDX-License-Identifier: Apache-2.0
#include "cli/command_option.h"

#include "cli/command_line.h"
#include "config/config_record.h"

namespace corvane::cli {

const CommandOption kJsonOption{"json", nullptr, "JSON instead of text"};
const CommandOption kRevealSecretsOption{
    "reveal-secrets", nullptr,
    "show passwords, shared secrets and the network key, which are hidden "
    "otherwise"};
const CommandOption kOutputOption{"o", "FILE.cfg",
                                  "the configuration file to write (a file that cannot be written keeps its "
                                  "previous contents)"};
const CommandOption kPasswordFileOption{
    "password-file", "FILE",
    "the password is the first line of FILE (- for standard input); without it, it is typed at the "
    "terminal without echo or read from the first line of standard input; never from the command line"};
const CommandOption kTimeoutOption{"timeout", "SECONDS",
                                   "each station's operation ends after this many seconds (default 120), "
                                   "however the base station behaves"};
const CommandOption kWaitOption{
    "wait", "SECONDS",
    "then wait (default 60 s) until the station answers a discovery request sent to it "
    "alone (its port 192) with an up-time that began after the restart: exit 8 when it does not",
    true};
const CommandOption kTargetOption{"target", "ADDR[:PORT]",
                                  "where the discovery request goes (a dotted-quad address; default "
                                  "255.255.255.255:192)"};
const CommandOption kAllOption{"all", nullptr, "every station that answers one scan"};
const CommandOption kBitsOption{"bits", "40|128", "the length of the key in bits"};

bool ParseKeyBits(const CommandLine& arguments, std::uint32_t& mode) {
    const QString bits = arguments.Value(kBitsOption);
    if (bits != QLatin1String("40") && bits != QLatin1String("128")) {
        return false;
    }
    mode = bits == QLatin1String("40") ? kWep40 : kWep128;
    return true;
}

QString CommandOption::Spelling() const {
    const QString text = QString::fromLatin1(name);
    return (text.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + text;
}

QString CommandOption::Syntax() const {
    if (valueName == nullptr) {
        return Spelling();
    }
    const QString value = QString::fromLatin1(valueName);
    return valueOptional ? QStringLiteral("%1[=%2]").arg(Spelling(), value)
                         : QStringLiteral("%1 %2").arg(Spelling(), value);
}

} // namespace corvane::cli
