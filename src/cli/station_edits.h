// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_io.h"
#include "cli/command_line.h"
#include "cli/command_option.h"
#include "config/config_record.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace corvane::cli {

// A change to one configuration: edits `record` (a station's, just read, or a file's) in place; false with
// the reason it cannot be made to this one, which then fails and is not written. Whether anything changed is
// found by comparing the record before and after. Called on worker threads, several at once.
using ConfigEdit = std::function<bool(ConfigRecord& record, QString& reason)>;

// The options RunStationEdits reads, for the command that calls it to list after its own.
std::vector<const CommandOption*> StationEditOptions();

// True when a target names a configuration file rather than a station: "-", a name ending in .cfg, or one
// holding a '/'.
bool NamesConfigurationFile(const QString& target);

// Makes `edit` to each station `targets` names (HOST[:PORT]...; with --all, every one that answers a scan),
// kFleetParallelism at a time with one password: reads it, edits it, and when something changed checks the
// device's rules (--no-check: not), then (not with --dry-run) saves it first (--backup DIR), writes it, and
// with --wait waits until it is back and reads it back (--keep-going: the others go on after one that did not
// come back). A line per station (changed, unchanged, would change, or why it failed) and a summary, or
// --json. A single FILE.cfg target is edited into -o OUT.cfg instead. `prepare`, when given, runs once the
// command line has been found good and before any password is asked (e.g. to read new secrets); an exit
// status other than 0 ends the command. Returns the exit status.
int RunStationEdits(const CommandLine& line, CliIo& io, const QStringList& targets, const ConfigEdit& edit,
                    const std::function<int()>& prepare = {});

} // namespace corvane::cli
