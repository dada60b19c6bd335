// SPDX-License-Identifier: Apache-2.0
#include "cli/rule_report.h"

#include "cli/cli_messages.h"
#include "cli/exit_codes.h"
#include "properties/property_view.h"
#include "rules/device_rules.h"

#include <QJsonObject>

namespace corvane::cli {

namespace {

QString Meaning(PropertyTag tag) {
    const PropertyView* view = FindPropertyView(tag);
    return view == nullptr ? QString() : QString::fromLatin1(view->meaning);
}

} // namespace

const CommandOption kNoCheckOption{"no-check", nullptr,
                                   "send a configuration that breaks the base station's rules anyway (for a "
                                   "station that already holds such values)"};

void PrintBrokenRules(QTextStream& out, const RuleBreaks& broken, const QString& source) {
    for (const RuleBreak& rule : broken) {
        const QString meaning = Meaning(rule.property);
        const QString property = meaning.isEmpty()
                                     ? TagText(rule.property)
                                     : QStringLiteral("%1 (%2)").arg(TagText(rule.property), meaning);
        // One line a rule: a message of several lines (166 lists the characters) is joined by single spaces.
        out << source << ": " << property << ": " << MessageText(rule.message).simplified() << '\n';
    }
    out.flush();
}

QJsonArray BrokenRulesJson(const RuleBreaks& broken) {
    QJsonArray list;
    for (const RuleBreak& rule : broken) {
        list.append(QJsonObject{{QStringLiteral("tag"), TagText(rule.property)},
                                {QStringLiteral("meaning"), Meaning(rule.property)},
                                {QStringLiteral("messageId"), int(rule.message)},
                                {QStringLiteral("text"), MessageText(rule.message)}});
    }
    return list;
}

int RefuseBrokenRules(CliIo& io, const CommandLine& line, const ConfigRecord& record, const QString& source) {
    const RuleBreaks broken = CheckConfiguration(record);
    PrintBrokenRules(io.err, broken, source);
    return broken.empty() || line.Has(kNoCheckOption) ? kExitSuccess : kExitRulesBroken;
}

} // namespace corvane::cli
