#pragma once

#include <QString>

namespace corvane {

class ConfigRecord;

// Reads and checks a whole configuration file into `record`. False when the file cannot be opened or sized,
// is empty, reads short or does not decode; a rejected file leaves the record as it was.
bool ReadConfigurationFile(const QString& path, ConfigRecord& record);

} // namespace corvane
