#include "cli/rule_report.h"

#include "cli/cli_messages.h"
#include "cli/exit_codes.h"
#include "cli/property_view.h"
#include "rules/device_rules.h"

namespace corvane::cli {

const CommandOption kNoCheckOption{"no-check", nullptr,
                                   "send a configuration that breaks the base station's rules anyway (for a "
                                   "station that already holds such values)"};

QStringList BrokenRules(const ConfigRecord& record) {
    QStringList lines;
    for (const RuleBreak& rule : CheckConfiguration(record)) {
        const PropertyView* view = FindPropertyView(rule.property);
        const QString property =
            view == nullptr
                ? TagText(rule.property)
                : QStringLiteral("%1 (%2)").arg(TagText(rule.property), QString::fromLatin1(view->meaning));
        lines << property + QStringLiteral(": ") + MessageText(rule.message);
    }
    return lines;
}

int RefuseBrokenRules(CliIo& io, const CommandLine& line, const ConfigRecord& record, const QString& source) {
    const QStringList broken = BrokenRules(record);
    for (const QString& rule : broken) {
        io.err << source << ": " << rule << '\n';
    }
    io.err.flush();
    return broken.isEmpty() || line.Has(kNoCheckOption) ? kExitSuccess : kExitRulesBroken;
}

} // namespace corvane::cli
