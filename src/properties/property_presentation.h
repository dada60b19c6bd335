// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "properties/property_view.h"

#include <QJsonValue>
#include <QString>

namespace corvane {

// What a presentation does with a property's value: shows it to a person, gives it to JSON, takes it back
// from JSON (false with a message that leaves out the tag, or with none when the record refuses the value).
struct PresentationRow {
    Presentation presentation;
    QString (*display)(const ConfigRecord& record, const PropertyView& view);
    QJsonValue (*toJson)(const ConfigRecord& record, const PropertyView& view);
    bool (*fromJson)(ConfigRecord& record, const PropertyView& view, const QJsonValue& value, QString& error);
};

const PresentationRow& PresentationRowOf(Presentation presentation);

} // namespace corvane
