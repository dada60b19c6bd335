// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/fleet_station.h"

#include <QString>
#include <vector>

namespace corvane::cli {

// The backup file name of each identified station, in `stations` order (empty for one not identified): by
// its discovery answer, or by address for one named by its address; names that clash get told apart as
// DistinctBackupFileNames does.
std::vector<QString> BackupFileNames(const std::vector<FleetStation>& stations);

} // namespace corvane::cli
