// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"
#include "properties/property_view.h"

#include <QJsonArray>
#include <QTextStream>
#include <vector>

namespace corvane {

// The transferable properties whose values differ between two configurations, in wire order. Only what a
// write sends is compared: what a base station keeps of its own (its description, its software version) is
// never part of it.
std::vector<const PropertyView*> DifferingProperties(const ConfigRecord& before, const ConfigRecord& after);

// Each differing property as "TAG  meaning", "  - before", "  + after"; secrets hidden unless revealed.
void PrintPropertyDiff(QTextStream& out, const ConfigRecord& before, const ConfigRecord& after,
                       const std::vector<const PropertyView*>& differing, bool reveal);

// The same as JSON: [{"tag", "meaning", "before", "after"}, ...].
QJsonArray PropertyDiffJson(const ConfigRecord& before, const ConfigRecord& after,
                            const std::vector<const PropertyView*>& differing, bool reveal);

} // namespace corvane
