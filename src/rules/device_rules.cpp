#include "rules/device_rules.h"

#include "config/config_record.h"

namespace corvane {

std::vector<RuleBreak> CheckConfiguration(const ConfigRecord& /*record*/) {
    return {};
}

} // namespace corvane
