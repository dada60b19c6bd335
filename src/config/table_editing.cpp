#include "config/table_editing.h"

#include <algorithm>

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

bool AddPortMapping(std::vector<PortMapEntry>& table, const PortMapEntry& mapping) {
    if (std::find(table.begin(), table.end(), mapping) != table.end())
        return false;
    table.push_back(mapping);
    return true;
}

} // namespace corvane
