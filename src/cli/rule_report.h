// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_io.h"
#include "cli/command_line.h"
#include "cli/command_option.h"
#include "config/config_record.h"
#include "rules/rule_break.h"

#include <QJsonArray>
#include <QString>
#include <QTextStream>

namespace corvane::cli {

// Sends a configuration that breaks the device's rules anyway: for a station that already holds such values.
extern const CommandOption kNoCheckOption;

// Each broken rule as a line "SOURCE: TAG (meaning): message".
void PrintBrokenRules(QTextStream& out, const RuleBreaks& broken, const QString& source);

// Each broken rule as {"tag", "meaning", "messageId", "text"}.
QJsonArray BrokenRulesJson(const RuleBreaks& broken);

// Every rule `record` breaks as PrintBrokenRules has it, on the error stream. Returns kExitRulesBroken when
// it breaks any and the command line has no --no-check, else kExitSuccess.
int RefuseBrokenRules(CliIo& io, const CommandLine& line, const ConfigRecord& record, const QString& source);

} // namespace corvane::cli
