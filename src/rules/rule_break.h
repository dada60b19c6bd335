// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/property_tag.h"
#include "strings/ids/string_ids.h"

#include <vector>

namespace corvane {

// One rule a configuration breaks: the message the desktop utility shows for it, and the property it
// concerns.
struct RuleBreak {
    StringId message;
    PropertyTag property;

    bool operator==(const RuleBreak&) const = default;
};

using RuleBreaks = std::vector<RuleBreak>;

} // namespace corvane
