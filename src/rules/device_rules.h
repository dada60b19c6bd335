// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "rules/rule_break.h"

#include <vector>

namespace corvane {

class ConfigRecord;

// Every rule `record` breaks, in the order the settings pages check them (the wireless page, the Internet
// connection, the network page and its port mappings, the access list, then the rules across pages); empty
// when it keeps them all.
std::vector<RuleBreak> CheckConfiguration(const ConfigRecord& record);

} // namespace corvane
