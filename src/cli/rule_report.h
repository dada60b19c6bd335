#pragma once

#include "cli/cli_io.h"
#include "cli/command_line.h"
#include "cli/command_option.h"
#include "config/config_record.h"

#include <QString>
#include <QStringList>

namespace corvane::cli {

// Sends a configuration that breaks the device's rules anyway: for a station that already holds such values.
extern const CommandOption kNoCheckOption;

// Every rule `record` breaks as "TAG (meaning): message", in the order they are checked.
QStringList BrokenRules(const ConfigRecord& record);

// Every rule `record` breaks as "SOURCE: TAG (meaning): message" on the error stream. Returns
// kExitRulesBroken when it breaks any and the command line has no --no-check, else kExitSuccess.
int RefuseBrokenRules(CliIo& io, const CommandLine& line, const ConfigRecord& record, const QString& source);

} // namespace corvane::cli
