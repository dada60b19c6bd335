// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_io.h"
#include "cli/command_line.h"
#include "cli/command_option.h"
#include "config/config_record.h"
#include "config/property_tag.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace corvane::cli {

// set takes secrets only through these options, each from a file of its own, or typed when the file is "-".
extern const CommandOption kStationPasswordFileOption; // syPW
extern const CommandOption kNetworkPasswordFileOption; // raWE, with --bits for raWM
extern const CommandOption kRadiusSecretFileOption;    // raSe
extern const CommandOption kRadiusSecret2FileOption;   // raS2

// The options above, and --bits.
std::vector<const CommandOption*> NewSecretOptions();
// How the secret property `tag` is given to set ("--station-password-file FILE"); empty when it has no
// option.
QString SecretOptionUsage(PropertyTag tag);

// The new secrets a command line names, once read.
class NewSecrets {
public:
    NewSecrets() = default;
    NewSecrets(const NewSecrets&) = delete;
    NewSecrets& operator=(const NewSecrets&) = delete;
    ~NewSecrets();

    // False with a message for an option without its file name, or --bits without --network-password-file or
    // the other way round.
    static bool Check(const CommandLine& line, QString& error);
    static bool AnyNamed(const CommandLine& line);
    static bool NamesKey(const CommandLine& line);

    // Reads every secret the command line names, in the order of NewSecretOptions(); at a terminal each is
    // typed twice. False with the tool's report and the exit status in `code`.
    bool Read(CliIo& io, const CommandLine& line, int& code);
    // Stores them: the texts as they are; the network password as the desktop program derives its key, with
    // encryption on at the key's size.
    void ApplyTo(ConfigRecord& record) const;

private:
    std::vector<std::pair<PropertyTag, std::string>> texts_;
    std::optional<std::vector<std::uint8_t>> key_;
    std::uint32_t keyMode_ = kWepOff;
};

} // namespace corvane::cli
