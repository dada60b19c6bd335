// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/table_entries.h"

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace corvane {

// The rules every editor of the two tables keeps (pages, command-line tool, simulator, tests).

// An entry with the description cut to 33 characters and zero-terminated.
AclEntry MakeAclEntry(const MacAddress& corvaneId, std::string_view description);

// The description as text, read no further than the entry's last byte.
std::string_view AclDescription(const AclEntry& entry);

// Whether a person may give a client this description: no CR, LF or NUL, so that it never starts a new line
// of an access-control list file. A station or a configuration file may still hold them.
bool AclDescriptionAllowed(std::string_view description);

// Add: replaces the first entry whose ID is `key` (the new entry's own ID), else appends. Returns the index
// of the stored entry.
std::size_t StoreAclEntry(std::vector<AclEntry>& list, const MacAddress& key, const AclEntry& entry);

// Stores each of `entries` in order as StoreAclEntry does with its own ID as key, in one pass over the list:
// importing thousands of clients stays quick.
void StoreAclEntries(std::vector<AclEntry>& list, std::span<const AclEntry> entries);

// Removes every entry whose ID is `corvaneId` (an edit can leave two with one ID), keeping the order of the
// others; false when there was none.
bool RemoveAclEntries(std::vector<AclEntry>& list, const MacAddress& corvaneId);

// Appends a mapping unless one identical in all three fields exists; false means refused (message 126).
bool AddPortMapping(std::vector<PortMapEntry>& table, const PortMapEntry& mapping);

// Removes every mapping identical in all three fields to `mapping` (a file may hold it twice), keeping the
// order of the others; false when there was none.
bool RemovePortMappings(std::vector<PortMapEntry>& table, const PortMapEntry& mapping);

// Edit, in either table: the entry at `index` (the selected row) becomes `entry`. Tables may hold duplicates,
// so an edit goes by position, never by value, and makes no duplicate check. False, changing nothing, when
// there is no entry at `index`.
template <typename Entry>
bool ReplaceEntryAt(std::vector<Entry>& table, std::size_t index, const Entry& entry) {
    if (index >= table.size()) {
        return false;
    }
    table[index] = entry;
    return true;
}

} // namespace corvane
