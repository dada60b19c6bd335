// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/table_entries.h"
#include "rules/rule_break.h"

#include <optional>
#include <span>
#include <string_view>

namespace corvane {

// The rules of the port-mapping and access-control entries, as their entry dialogs keep them and as a record
// holds them.

// Edit Port Mapping: the public port, the private address and the private port all filled in (message 125).
bool PortMapFieldsFilled(std::string_view publicPort, bool addressBlank, std::string_view privatePort);

// A stored mapping has no field left blank: a private address and both ports other than 0 (message 125).
bool PortMapEntryComplete(const PortMapEntry& entry);

// The mappings of a record (pmTa): one break for any entry left blank (125), one for any entry identical to
// an earlier one (126).
RuleBreaks CheckPortMappings(std::span<const PortMapEntry> table);

// Add Client: the message for a Corvane ID text, 125 when it is empty and 127 when it is not an ID; nothing,
// with the ID in `id`, when it is one.
std::optional<StringId> CheckCorvaneIdText(std::string_view text, MacAddress& id);

// Add Client: the message for a description, 168 when it holds a CR, LF or NUL; nothing otherwise (the
// description's edit takes at most 33 characters).
std::optional<StringId> CheckDescriptionText(std::string_view description);

// The clients of a record (acTa): one break for any description of more than 33 characters, whose field holds
// no terminating zero (170), one for any holding a CR or LF (168).
RuleBreaks CheckAccessList(std::span<const AclEntry> list);

} // namespace corvane
