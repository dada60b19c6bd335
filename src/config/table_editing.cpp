// SPDX-License-Identifier: Apache-2.0
#include "config/table_editing.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace corvane {

AclEntry MakeAclEntry(const MacAddress& corvaneId, std::string_view description) {
    AclEntry entry;
    entry.corvaneId = corvaneId;
    description = description.substr(0, AclEntry::kDescriptionSize - 1);
    std::copy(description.begin(), description.end(), entry.description.begin());
    return entry;
}

std::string_view AclDescription(const AclEntry& entry) {
    const auto end = std::find(entry.description.begin(), entry.description.end(), '\0');
    return {entry.description.data(), std::size_t(end - entry.description.begin())};
}

bool AclDescriptionAllowed(std::string_view description) {
    return description.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

std::size_t StoreAclEntry(std::vector<AclEntry>& list, const MacAddress& key, const AclEntry& entry) {
    const auto found =
        std::find_if(list.begin(), list.end(), [&](const AclEntry& e) { return e.corvaneId == key; });
    if (found != list.end()) {
        *found = entry;
        return std::size_t(found - list.begin());
    }
    list.push_back(entry);
    return list.size() - 1;
}

void StoreAclEntries(std::vector<AclEntry>& list, std::span<const AclEntry> entries) {
    const auto key = [](const MacAddress& id) {
        std::uint64_t value = 0;
        for (std::uint8_t byte : id) {
            value = value << 8 | byte;
        }
        return value;
    };
    // The first row of each ID, as StoreAclEntry finds it.
    std::unordered_map<std::uint64_t, std::size_t> firstRow;
    firstRow.reserve(list.size() + entries.size());
    for (std::size_t row = 0; row < list.size(); ++row) {
        firstRow.emplace(key(list[row].corvaneId), row);
    }
    for (const AclEntry& entry : entries) {
        const auto [found, added] = firstRow.emplace(key(entry.corvaneId), list.size());
        if (added) {
            list.push_back(entry);
        } else {
            list[found->second] = entry;
        }
    }
}

bool RemoveAclEntries(std::vector<AclEntry>& list, const MacAddress& corvaneId) {
    return std::erase_if(list, [&](const AclEntry& entry) { return entry.corvaneId == corvaneId; }) != 0;
}

bool AddPortMapping(std::vector<PortMapEntry>& table, const PortMapEntry& mapping) {
    if (std::find(table.begin(), table.end(), mapping) != table.end()) {
        return false;
    }
    table.push_back(mapping);
    return true;
}

bool RemovePortMappings(std::vector<PortMapEntry>& table, const PortMapEntry& mapping) {
    return std::erase(table, mapping) != 0;
}

} // namespace corvane
