// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_io.h"
#include "cli/command.h"

#include <QString>

namespace corvane::cli {

// The tool's commands, each defined beside what runs it.
extern const Command kDiscoverCommand;
extern const Command kReadCommand;
extern const Command kWriteCommand;
extern const Command kRestartCommand;
extern const Command kUploadCommand;
extern const Command kBackupCommand;
extern const Command kShowCommand;
extern const Command kExportCommand;
extern const Command kImportCommand;
extern const Command kDiffCommand;
extern const Command kCheckCommand;
extern const Command kKeyCommand;
extern const Command kGetCommand;
extern const Command kSetCommand;
extern const Command kAclCommand;
extern const Command kPortmapCommand;

// upload for several stations: go on after a station that did not come back.
extern const CommandOption kKeepGoingOption;
// upload for several stations (HOST... IMAGE, or --all IMAGE); upload hands such a command line over.
bool UploadIsForAFleet(const CommandLine& line);
int RunFleetUpload(const CommandLine& line, CliIo& io);

// "corvane: <text>" on the error stream; returns `code`.
int Fail(CliIo& io, int code, const QString& text);
// A command line that does not fit the command: the message and a pointer to --help.
int UsageError(CliIo& io, const QString& text);

} // namespace corvane::cli
