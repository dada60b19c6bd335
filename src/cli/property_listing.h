// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"
#include "properties/property_view.h"

#include <QJsonObject>
#include <QTextStream>
#include <vector>

namespace corvane::cli {

// Every transferable property, in wire order.
std::vector<const PropertyView*> EveryPropertyView();

// Each property as "TAG  meaning: value", a line each (show, get); secrets hidden unless revealed.
void PrintProperties(QTextStream& out, const ConfigRecord& record,
                     const std::vector<const PropertyView*>& views, bool reveal);

// The same as one JSON object, {"TAG": value, ...}, in export's forms.
QJsonObject PropertiesJson(const ConfigRecord& record, const std::vector<const PropertyView*>& views,
                           bool reveal);

} // namespace corvane::cli
