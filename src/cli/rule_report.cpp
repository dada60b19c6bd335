#include "cli/rule_report.h"

#include "cli/cli_messages.h"
#include "cli/exit_codes.h"
#include "cli/property_view.h"
#include "rules/device_rules.h"

namespace corvane::cli {

const CommandOption kNoCheckOption{"no-check", nullptr,
                                   "send a configuration that breaks the base station's rules anyway (for a "
                                   "station that already holds such values)"};

int RefuseBrokenRules(CliIo& io, const CommandLine& line, const ConfigRecord& record, const QString& source) {
    const std::vector<RuleBreak> broken = CheckConfiguration(record);
    for (const RuleBreak& rule : broken) {
        const PropertyView* view = FindPropertyView(rule.property);
        const QString property =
            view == nullptr
                ? TagText(rule.property)
                : QStringLiteral("%1 (%2)").arg(TagText(rule.property), QString::fromLatin1(view->meaning));
        io.err << source << ": " << property << ": " << MessageText(rule.message) << '\n';
    }
    io.err.flush();
    return broken.empty() || line.Has(kNoCheckOption) ? kExitSuccess : kExitRulesBroken;
}

} // namespace corvane::cli
