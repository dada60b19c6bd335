// SPDX-License-Identifier: Apache-2.0
#include "page_host.h"

#include "config/property_catalogue.h"
#include "config/property_codec.h"

namespace corvane::testing {

QStringList ChangedProperties(const ConfigRecord& before, const ConfigRecord& after) {
    QStringList changed;
    for (const PropertyDescriptor& row : PropertyCatalogue) {
        if (row.tag == 0) {
            break;
        }
        std::vector<std::uint8_t> was;
        std::vector<std::uint8_t> is;
        GetProperty(before, row.tag, was);
        GetProperty(after, row.tag, is);
        if (was != is) {
            const char name[] = {char(row.tag >> 24), char(row.tag >> 16), char(row.tag >> 8), char(row.tag)};
            changed << QString::fromLatin1(name, 4);
        }
    }
    return changed;
}

} // namespace corvane::testing
