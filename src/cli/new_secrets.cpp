// SPDX-License-Identifier: Apache-2.0
#include "cli/new_secrets.h"

#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "cli/config_io.h"
#include "cli/exit_codes.h"
#include "cli/password_input.h"
#include "config/network_password.h"
#include "config/property_codec.h"
#include "config/secret_memory.h"

#include <algorithm>

namespace corvane::cli {

const CommandOption kStationPasswordFileOption{
    "station-password-file", "FILE",
    "the new base station password (syPW) is the first line of FILE; - types it (twice at a terminal) or "
    "reads the next line of standard input"};
const CommandOption kNetworkPasswordFileOption{
    "network-password-file", "FILE",
    "with --bits: a new network password, from FILE or - as above, turned into the network key (raWE) as "
    "the desktop utility does, encryption on (raWM) at that size"};
const CommandOption kRadiusSecretFileOption{
    "radius-secret-file", "FILE", "the new primary RADIUS shared secret (raSe), from FILE or - as above"};
const CommandOption kRadiusSecret2FileOption{
    "secondary-radius-secret-file", "FILE",
    "the new secondary RADIUS shared secret (raS2), from FILE or - as above"};

namespace {

// Each secret option: the property it sets and what a prompt for it says.
struct SecretSource {
    const CommandOption* option;
    PropertyTag tag;
    const char* prompt;
};

const SecretSource kSources[] = {
    {&kStationPasswordFileOption, MakeTag("syPW"), "New base station password: "},
    {&kNetworkPasswordFileOption, MakeTag("raWE"), "New network password: "},
    {&kRadiusSecretFileOption, MakeTag("raSe"), "New primary RADIUS shared secret: "},
    {&kRadiusSecret2FileOption, MakeTag("raS2"), "New secondary RADIUS shared secret: "},
};

// A secret from `file`; typed twice when it is "-" at a terminal, so that a slip of the finger locks no one
// out. nullopt after the tool's report, with the exit status in `code`.
std::optional<std::string> ReadNewSecret(CliIo& io, const QString& file, const QString& prompt, int& code) {
    QString error;
    std::optional<std::string> secret = ReadSecret(io, file, prompt, error);
    if (secret && file == QLatin1String("-") && io.inIsTerminal) {
        std::optional<std::string> again = ReadSecret(io, file, QStringLiteral("Again: "), error);
        if (again && *again != *secret) {
            error = MessageText(kStrPasswordMismatch);
            WipeSecret(*secret);
            secret.reset();
        }
        if (again) {
            WipeSecret(*again);
        }
        if (!again) {
            WipeSecret(*secret);
            secret.reset();
        }
    }
    if (!secret) {
        code = Fail(io, kExitInvalidInput, error);
    }
    return secret;
}

// The warning for a base station password longer than a station checks.
void WarnAboutLongPassword(CliIo& io, const std::pair<PropertyTag, std::string>& secret) {
    if (secret.first == MakeTag("syPW")) {
        ConfigRecord record;
        record.syPW = secret.second;
        WarnAboutLongStationPassword(io, record);
        WipeSecret(record.syPW);
    }
}

} // namespace

std::vector<const CommandOption*> NewSecretOptions() {
    std::vector<const CommandOption*> options;
    for (const SecretSource& source : kSources) {
        options.push_back(source.option);
    }
    options.push_back(&kBitsOption);
    return options;
}

QString SecretOptionUsage(PropertyTag tag) {
    const auto found = std::find_if(std::begin(kSources), std::end(kSources),
                                    [tag](const SecretSource& source) { return source.tag == tag; });
    if (found == std::end(kSources)) {
        return {};
    }
    return found->option->Syntax() + (found->option == &kNetworkPasswordFileOption
                                          ? QLatin1Char(' ') + kBitsOption.Syntax()
                                          : QString());
}

NewSecrets::~NewSecrets() {
    for (auto& text : texts_) {
        WipeSecret(text.second);
    }
    if (key_) {
        WipeSecret(key_->data(), key_->size());
    }
}

bool NewSecrets::Check(const CommandLine& line, QString& error) {
    for (const SecretSource& source : kSources) {
        if (line.Has(*source.option) && line.Value(*source.option).isEmpty()) {
            error = QStringLiteral("%1 needs a file name (- to type it)").arg(source.option->Spelling());
            return false;
        }
    }
    if (line.Has(kNetworkPasswordFileOption) != line.Has(kBitsOption)) {
        error = QStringLiteral("--network-password-file and --bits 40|128 go together");
        return false;
    }
    if (std::uint32_t mode = 0; line.Has(kBitsOption) && !ParseKeyBits(line, mode)) {
        error = QStringLiteral("--bits takes 40 or 128");
        return false;
    }
    return true;
}

bool NewSecrets::AnyNamed(const CommandLine& line) {
    return std::any_of(std::begin(kSources), std::end(kSources),
                       [&](const SecretSource& source) { return line.Has(*source.option); });
}

bool NewSecrets::NamesKey(const CommandLine& line) {
    return line.Has(kNetworkPasswordFileOption);
}

bool NewSecrets::Read(CliIo& io, const CommandLine& line, int& code) {
    for (const SecretSource& source : kSources) {
        if (!line.Has(*source.option)) {
            continue;
        }
        std::optional<std::string> secret =
            ReadNewSecret(io, line.Value(*source.option), QString::fromLatin1(source.prompt), code);
        if (!secret) {
            return false;
        }
        if (source.option != &kNetworkPasswordFileOption) {
            texts_.emplace_back(source.tag, std::move(*secret));
            WarnAboutLongPassword(io, texts_.back());
            continue;
        }
        ParseKeyBits(line, keyMode_);
        std::vector<std::uint8_t> key;
        const bool parsed = ParseNetworkPassword(*secret, keyMode_, key);
        WipeSecret(*secret);
        if (!parsed) {
            code = Fail(io, kExitInvalidInput, MessageText(kStrInvalidNetworkPassword));
            return false;
        }
        key_ = std::move(key);
    }
    return true;
}

void NewSecrets::ApplyTo(ConfigRecord& record) const {
    for (const auto& [tag, text] : texts_) {
        SetProperty(record, tag, std::uint32_t(text.size()),
                    reinterpret_cast<const std::uint8_t*>(text.data()));
    }
    if (key_) {
        SetWepKey(record, *key_);
        record.raWM = keyMode_;
    }
}

} // namespace corvane::cli
