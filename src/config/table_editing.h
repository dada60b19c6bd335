#pragma once

#include "config/table_entries.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace corvane {

// The rules every editor of the two tables keeps (pages, command-line tool, simulator, tests).

// An entry with the description cut to 33 characters and zero-terminated.
AclEntry MakeAclEntry(const MacAddress& corvaneId, std::string_view description);

// The description as text, read no further than the entry's last byte.
std::string_view AclDescription(const AclEntry& entry);

// Replaces the first entry whose ID is `key` (Add and Import pass the entry's own ID, Edit the ID it had),
// else appends. Returns the index of the stored entry.
std::size_t StoreAclEntry(std::vector<AclEntry>& list, const MacAddress& key, const AclEntry& entry);

// Appends a mapping unless one identical in all three fields exists; false means refused (message 126).
bool AddPortMapping(std::vector<PortMapEntry>& table, const PortMapEntry& mapping);

// Replaces the first mapping identical to `original` by `changed` (no duplicate check). Returns its index, or
// the table size when there is none.
std::size_t ReplacePortMapping(std::vector<PortMapEntry>& table, const PortMapEntry& original,
                               const PortMapEntry& changed);

} // namespace corvane
