// SPDX-License-Identifier: Apache-2.0
// show, export, import, diff and check: configuration files on this computer.
#include "cli/cli_messages.h"
#include "cli/commands.h"
#include "cli/config_io.h"
#include "cli/exit_codes.h"
#include "cli/property_listing.h"
#include "cli/rule_report.h"
#include "cli/strict_json.h"
#include "files/bounded_read.h"
#include "properties/property_diff.h"
#include "properties/property_view.h"
#include "properties/terminal_text.h"
#include "rules/device_rules.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace corvane::cli {

namespace {

// Exactly `files` positional words, and a value that is not empty for each option of `valued` given.
bool CheckWords(CliIo& io, const CommandLine& arguments, int files, int& code,
                const CommandOption* valued = nullptr) {
    if (arguments.positional().size() != files) {
        code = UsageError(io, QStringLiteral("expected %1 file name(s)").arg(files));
        return false;
    }
    if (valued != nullptr && arguments.Has(*valued) && arguments.Value(*valued).isEmpty()) {
        code = UsageError(io, QStringLiteral("%1 needs a value").arg(valued->Spelling()));
        return false;
    }
    return true;
}

int RunShow(const CommandLine& arguments, CliIo& io) {
    int code = 0;
    if (!CheckWords(io, arguments, 1, code)) {
        return code;
    }
    ConfigRecord record;
    if (!LoadInput(io, arguments.positional()[0], record, code)) {
        return code;
    }
    const bool reveal = arguments.Has(kRevealSecretsOption);
    if (arguments.Has(kJsonOption)) {
        io.out << TerminalJson(QJsonDocument(PropertiesJson(record, EveryPropertyView(), reveal))
                                   .toJson(QJsonDocument::Indented));
        return kExitSuccess;
    }
    PrintProperties(io.out, record, EveryPropertyView(), reveal);
    return kExitSuccess;
}

int RunExport(const CommandLine& arguments, CliIo& io) {
    int code = 0;
    if (!CheckWords(io, arguments, 1, code)) {
        return code;
    }
    ConfigRecord record;
    if (!LoadInput(io, arguments.positional()[0], record, code)) {
        return code;
    }
    io.out << TerminalJson(
        QJsonDocument(PropertiesJson(record, EveryPropertyView(), true)).toJson(QJsonDocument::Indented));
    return kExitSuccess;
}

int RunImport(const CommandLine& arguments, CliIo& io) {
    int code = 0;
    if (!CheckWords(io, arguments, 1, code, &kOutputOption)) {
        return code;
    }
    if (!arguments.Has(kOutputOption)) {
        return UsageError(io, QStringLiteral("import needs -o FILE.cfg"));
    }
    const QString& path = arguments.positional()[0];
    QByteArray text;
    if (QString reason; !ReadInputFile(io, path, kMaxConfigurationFileSize, text, reason)) {
        return Fail(io, kExitReadFailed, QStringLiteral("%1: %2").arg(path, reason));
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        return Fail(io, kExitInvalidInput,
                    QStringLiteral("%1: not a JSON object (%2)")
                        .arg(path, parseError.error != QJsonParseError::NoError
                                       ? parseError.errorString()
                                       : QStringLiteral("wrong type")));
    }
    if (QString problem; !KeepsEveryJsonValue(text, problem)) {
        return Fail(io, kExitInvalidInput, QStringLiteral("%1: %2").arg(path, problem));
    }
    ConfigRecord record;
    const QJsonObject json = document.object();
    for (auto it = json.begin(); it != json.end(); ++it) {
        PropertyTag tag = 0;
        if (!ParseTagText(it.key(), tag)) {
            return Fail(io, kExitInvalidInput,
                        QStringLiteral("%1: %2 is not a property").arg(path, it.key()));
        }
        const PropertyView& view = *FindPropertyView(tag);
        if (view.secret && it.value() == QJsonValue(QString::fromLatin1(kHiddenValue))) {
            return Fail(
                io, kExitInvalidInput,
                QStringLiteral("%1: %2 holds a hidden value; take the JSON from export, which keeps secrets")
                    .arg(path, it.key()));
        }
        QString error;
        if (!ApplyJsonValue(record, view, it.value(), error)) {
            return Fail(io, kExitInvalidInput, QStringLiteral("%1: %2").arg(path, error));
        }
    }
    WarnAboutLongStationPassword(io, record);
    if (const int refused = RefuseBrokenRules(io, arguments, record, path); refused != kExitSuccess) {
        return refused;
    }
    return SaveOutput(io, arguments.Value(kOutputOption), record);
}

int RunDiff(const CommandLine& arguments, CliIo& io) {
    int code = 0;
    if (!CheckWords(io, arguments, 2, code)) {
        return code;
    }
    ConfigRecord records[2];
    for (int i = 0; i < 2; ++i) {
        if (!LoadInput(io, arguments.positional()[i], records[i], code)) {
            return code;
        }
    }
    const auto differing = DifferingProperties(records[0], records[1]);
    PrintPropertyDiff(io.out, records[0], records[1], differing, arguments.Has(kRevealSecretsOption));
    return differing.empty() ? kExitSuccess : kExitDifferent;
}

int RunCheck(const CommandLine& arguments, CliIo& io) {
    int code = 0;
    if (!CheckWords(io, arguments, 1, code)) {
        return code;
    }
    const QString& path = arguments.positional()[0];
    ConfigRecord record;
    if (!LoadInput(io, path, record, code)) {
        return code;
    }
    const RuleBreaks broken = CheckConfiguration(record);
    if (arguments.Has(kJsonOption)) {
        io.out << TerminalJson(QJsonDocument(BrokenRulesJson(broken)).toJson(QJsonDocument::Indented));
    } else if (broken.empty()) {
        io.out << path << ": keeps every rule of the base station\n";
    } else {
        PrintBrokenRules(io.out, broken, path);
    }
    return broken.empty() ? kExitSuccess : kExitRulesBroken;
}

} // namespace

const Command kShowCommand{
    "show",
    {"FILE.cfg [--json] [--reveal-secrets]"},
    "list every property of a configuration file with its tag, meaning and value",
    {"Lists every property of a configuration file with its tag, meaning and value; passwords, secrets and "
     "the network key are hidden unless revealed."},
    {&kJsonOption, &kRevealSecretsOption},
    {},
    RunShow};

const Command kExportCommand{
    "export",
    {"FILE.cfg"},
    "print a configuration file as JSON",
    {"Prints the configuration as JSON on standard output, in a stable order and with its secrets, so that "
     "importing it gives the same file back."},
    {},
    {},
    RunExport};

const Command kImportCommand{
    "import",
    {"FILE.json -o FILE.cfg"},
    "make a configuration file from JSON",
    {"Makes a configuration file from a JSON object; properties the JSON leaves out keep their defaults, so "
     "{} gives the default configuration. A value not valid for its property is refused, and nothing is "
     "written; so is what could not be kept exactly: a key given twice, a \\u escape of half a surrogate "
     "pair, NUL in text, and a line break (CR, LF) or NUL in an access-control description (exit 7). A "
     "configuration that breaks a rule of the base station (see check) is refused too, each broken rule "
     "printed, and nothing is written (exit 11) unless --no-check."},
    {&kOutputOption, &kNoCheckOption},
    {},
    RunImport};

const Command kDiffCommand{
    "diff",
    {"A.cfg B.cfg [--reveal-secrets]"},
    "list the properties that differ between two configuration files",
    {"Lists the properties whose values differ between two configuration files (exit 1 when some do, 0 when "
     "none does); secrets stay hidden unless revealed."},
    {&kRevealSecretsOption},
    {},
    RunDiff};

const Command kCheckCommand{
    "check",
    {"FILE.cfg [--json]"},
    "check a configuration file against the base station's rules",
    {"Checks a configuration file against the rules the desktop utility keeps before it sends a "
     "configuration "
     "(the network name's characters, the channel, the multicast rate for the density, the key's size, the "
     "user information of a PPP connection, the lease time, the port mappings and access-control entries, "
     "and how a PPP connection's addresses are shared). Prints each broken rule as \"FILE: TAG (meaning): "
     "message\", in the order the settings pages check them, with the desktop utility's message; --json "
     "prints a list of {tag, meaning, messageId, text}. Exit 0 when the file keeps every rule, 11 when it "
     "breaks one or more."},
    {&kJsonOption},
    {},
    RunCheck};

} // namespace corvane::cli
