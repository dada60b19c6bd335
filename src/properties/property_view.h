// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"
#include "config/property_tag.h"

#include <QJsonValue>
#include <QString>
#include <span>

namespace corvane {

// How the tool shows one transferable property to people and in JSON (each one a row of
// property_presentation.h).
enum class Presentation { Text, Number, Address, Key, PortMappings, AccessList };

struct PropertyView {
    PropertyTag tag;
    const char* meaning;
    Presentation presentation;
    bool secret; // masked unless the user asks to see secrets
};

// One view per transfer-list entry, in wire order.
std::span<const PropertyView> PropertyViews();
const PropertyView* FindPropertyView(PropertyTag tag);

QString TagText(PropertyTag tag);
// "syNm" back to its tag; false unless it names a transferable property.
bool ParseTagText(const QString& text, PropertyTag& tag);

// The value as a person reads it: quoted text, numbers, dotted addresses, hexadecimal keys, table entries
// (one per line after the first). Secrets read "(hidden)" unless revealed.
QString DisplayValue(const ConfigRecord& record, const PropertyView& view, bool reveal);

// The value in the tool's JSON form: strings (bytes as Latin-1), numbers, dotted quads, a hexadecimal key,
// arrays of objects for the tables. Secrets are the string "(hidden)" unless revealed.
QJsonValue JsonValue(const ConfigRecord& record, const PropertyView& view, bool reveal);

// Stores a JSON value of the same form into the record; false with a message, the record unchanged.
bool ApplyJsonValue(ConfigRecord& record, const PropertyView& view, const QJsonValue& value, QString& error);

extern const char* const kHiddenValue;

} // namespace corvane
