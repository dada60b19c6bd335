// SPDX-License-Identifier: Apache-2.0
#include "properties/property_diff.h"

#include <QJsonObject>

namespace corvane {

std::vector<const PropertyView*> DifferingProperties(const ConfigRecord& before, const ConfigRecord& after) {
    std::vector<const PropertyView*> differing;
    for (const PropertyView& view : PropertyViews()) {
        if (DisplayValue(before, view, true) != DisplayValue(after, view, true)) {
            differing.push_back(&view);
        }
    }
    return differing;
}

void PrintPropertyDiff(QTextStream& out, const ConfigRecord& before, const ConfigRecord& after,
                       const std::vector<const PropertyView*>& differing, bool reveal) {
    for (const PropertyView* view : differing) {
        out << TagText(view->tag) << "  " << QString::fromLatin1(view->meaning) << "\n"
            << "  - " << DisplayValue(before, *view, reveal) << "\n"
            << "  + " << DisplayValue(after, *view, reveal) << "\n";
    }
}

QJsonArray PropertyDiffJson(const ConfigRecord& before, const ConfigRecord& after,
                            const std::vector<const PropertyView*>& differing, bool reveal) {
    QJsonArray changes;
    for (const PropertyView* view : differing) {
        changes.append(QJsonObject{
            {QStringLiteral("tag"), TagText(view->tag)},
            {QStringLiteral("meaning"), QString::fromLatin1(view->meaning)},
            {QStringLiteral("before"), JsonValue(before, *view, reveal)},
            {QStringLiteral("after"), JsonValue(after, *view, reveal)},
        });
    }
    return changes;
}

} // namespace corvane
