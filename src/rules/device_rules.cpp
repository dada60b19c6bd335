// SPDX-License-Identifier: Apache-2.0
#include "rules/device_rules.h"

#include "config/config_record.h"
#include "rules/connection_rules.h"
#include "rules/lease_rules.h"
#include "rules/table_rules.h"
#include "rules/wireless_rules.h"

namespace corvane {

std::vector<RuleBreak> CheckConfiguration(const ConfigRecord& record) {
    RuleBreaks breaks;
    const auto add = [&breaks](const RuleBreaks& more) {
        breaks.insert(breaks.end(), more.begin(), more.end());
    };
    add(CheckWireless(record));
    add(CheckConnectionUser(record));
    add(CheckLease(record));
    add(CheckPortMappings(record.pmTa));
    add(CheckAccessList(record.acTa));
    add(CheckPppSharing(record));
    return breaks;
}

} // namespace corvane
