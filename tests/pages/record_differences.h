#pragma once

#include <QStringList>

namespace corvane {
class ConfigRecord;
}

namespace corvane::testing {

// The tags ("raCh", "dhLe", ...) of the properties whose values differ between the two records, in catalogue
// order.
QStringList ChangedProperties(const ConfigRecord& before, const ConfigRecord& after);

} // namespace corvane::testing
