// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_io.h"
#include "cli/command_line.h"
#include "cli/command_option.h"

#include <QString>
#include <vector>

namespace corvane::cli {

// One command of the tool: its name, its arguments and options, its help, and what runs it.
struct Command {
    const char* name;
    std::vector<const char*> forms;            // what follows "corvane NAME" in each form of its usage
    const char* summary;                       // its line in corvane --help
    std::vector<const char*> details;          // what its --help tells beyond the usage: paragraphs, wrapped
    std::vector<const CommandOption*> options; // listed in its --help
    // Read only to be refused with a message that says where they belong.
    std::vector<const CommandOption*> refused;
    int (*run)(const CommandLine& line, CliIo& io);

    // Every option the command reads: `options`, then `refused`.
    std::vector<const CommandOption*> AllOptions() const;
    // corvane NAME --help: the usage, the details and the options, of this command alone.
    QString HelpText() const;
};

// Help that several commands give.
extern const char* const kHostHelp;
extern const char* const kFleetHelp;

} // namespace corvane::cli
