// SPDX-License-Identifier: Apache-2.0
#include "cli/property_listing.h"

namespace corvane::cli {

std::vector<const PropertyView*> EveryPropertyView() {
    std::vector<const PropertyView*> views;
    for (const PropertyView& view : PropertyViews()) {
        views.push_back(&view);
    }
    return views;
}

void PrintProperties(QTextStream& out, const ConfigRecord& record,
                     const std::vector<const PropertyView*>& views, bool reveal) {
    for (const PropertyView* view : views) {
        out << TagText(view->tag) << "  " << QString::fromLatin1(view->meaning) << ": "
            << DisplayValue(record, *view, reveal) << "\n";
    }
}

QJsonObject PropertiesJson(const ConfigRecord& record, const std::vector<const PropertyView*>& views,
                           bool reveal) {
    QJsonObject json;
    for (const PropertyView* view : views) {
        json.insert(TagText(view->tag), JsonValue(record, *view, reveal));
    }
    return json;
}

} // namespace corvane::cli
