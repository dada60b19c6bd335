// SPDX-License-Identifier: Apache-2.0
#include "rules/table_rules.h"

#include "config/hex_text.h"
#include "config/property_tag.h"
#include "config/table_editing.h"

#include <algorithm>
#include <tuple>
#include <vector>

namespace corvane {

bool PortMapFieldsFilled(std::string_view publicPort, bool addressBlank, std::string_view privatePort) {
    return !publicPort.empty() && !addressBlank && !privatePort.empty();
}

bool PortMapEntryComplete(const PortMapEntry& entry) {
    return entry.privateAddress != 0 && entry.publicPort != 0 && entry.privatePort != 0;
}

RuleBreaks CheckPortMappings(std::span<const PortMapEntry> table) {
    RuleBreaks breaks;
    if (!std::ranges::all_of(table, PortMapEntryComplete)) {
        breaks.push_back({kStrFieldsBlank, MakeTag("pmTa")});
    }
    // Sorted, so that a table of thousands of entries from a file is checked as quickly as a short one.
    std::vector<PortMapEntry> sorted(table.begin(), table.end());
    const auto order = [](const PortMapEntry& entry) {
        return std::tuple(entry.privateAddress, entry.privatePort, entry.publicPort);
    };
    std::ranges::sort(sorted, {}, order);
    if (std::ranges::adjacent_find(sorted) != sorted.end()) {
        breaks.push_back({kStrDuplicatePortMapping, MakeTag("pmTa")});
    }
    return breaks;
}

std::optional<StringId> CheckCorvaneIdText(std::string_view text, MacAddress& id) {
    if (text.empty()) {
        return kStrFieldsBlank;
    }
    if (!ParseMacAddress(text, id)) {
        return kStrInvalidCorvaneId;
    }
    return std::nullopt;
}

std::optional<StringId> CheckDescriptionText(std::string_view description) {
    if (!AclDescriptionAllowed(description)) {
        return kStrDescriptionLineBreak;
    }
    return std::nullopt;
}

RuleBreaks CheckAccessList(std::span<const AclEntry> list) {
    RuleBreaks breaks;
    if (std::ranges::any_of(list, [](const AclEntry& entry) { return entry.description.back() != '\0'; })) {
        breaks.push_back({kStrDescriptionTooLong, MakeTag("acTa")});
    }
    if (std::ranges::any_of(
            list, [](const AclEntry& entry) { return !AclDescriptionAllowed(AclDescription(entry)); })) {
        breaks.push_back({kStrDescriptionLineBreak, MakeTag("acTa")});
    }
    return breaks;
}

} // namespace corvane
