#pragma once

#include "config/property_tag.h"
#include "strings/ids/string_ids.h"

#include <vector>

namespace corvane {

class ConfigRecord;

// One rule a configuration breaks: the message the desktop utility shows for it, and the property it
// concerns.
struct RuleBreak {
    StringId message;
    PropertyTag property;

    bool operator==(const RuleBreak&) const = default;
};

// Every rule `record` breaks, in the order the settings pages check them; empty when it keeps them all.
std::vector<RuleBreak> CheckConfiguration(const ConfigRecord& record);

} // namespace corvane
