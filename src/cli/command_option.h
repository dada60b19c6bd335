// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <cstdint>

namespace corvane::cli {

// One option of the tool's commands: what the parser knows of it and what --help says of it.
struct CommandOption {
    const char* name;           // "json"; one letter for an option spelt with one dash ("o")
    const char* valueName;      // what --help calls its value; nullptr for an option that takes none
    const char* description;    // for --help, which wraps it
    bool valueOptional = false; // "--wait" as well as "--wait=SECONDS"

    // As it is typed: "--json", "-o".
    QString Spelling() const;
    // As --help shows it: "--json", "-o FILE.cfg", "--wait[=SECONDS]".
    QString Syntax() const;
};

// The options several commands share: each is defined once, here.
extern const CommandOption kJsonOption;
extern const CommandOption kRevealSecretsOption;
extern const CommandOption kOutputOption;
extern const CommandOption kPasswordFileOption;
extern const CommandOption kTimeoutOption;
extern const CommandOption kWaitOption;
extern const CommandOption kTargetOption;
extern const CommandOption kAllOption;
extern const CommandOption kBitsOption;

class CommandLine;
// --bits 40 or 128 as the WEP mode of that key size (raWM); false for any other value.
bool ParseKeyBits(const CommandLine& arguments, std::uint32_t& mode);

} // namespace corvane::cli
