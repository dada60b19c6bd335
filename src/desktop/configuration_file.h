// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "widgets/file_dialog.h"

#include <QString>
#include <string_view>

namespace corvane {

class ConfigRecord;

// Reads and checks a whole configuration file into `record`. False when the file cannot be opened or sized,
// is empty, reads short or does not decode; a rejected file leaves the record as it was.
bool ReadConfigurationFile(const QString& path, ConfigRecord& record);

// Writes the record as a configuration file in place of `path`, or leaves whatever was there untouched: false
// when the record cannot be encoded or the file cannot be written whole. The file holds the station's
// secrets, so a new one is readable by its owner only; one that exists keeps its permissions.
bool WriteConfigurationFile(const QString& path, const ConfigRecord& record);

// The file dialog for a configuration file, proposing "<station name>.cfg".
FileDialogRequest ConfigurationFileRequest(FileDialogRequest::Kind kind, std::string_view stationName);

} // namespace corvane
