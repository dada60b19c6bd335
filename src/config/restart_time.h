// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"

#include <string>

namespace corvane {

// "Restarted:": when the station last started (its answer's arrival less its up-time), in local time, as
// "2026/12/10, 03:04:05 PM". AM and PM are written out, since many locales (de_DE, fr_FR) have none and the
// hour would then read twelve hours off. Empty when the time cannot be shown.
std::string RestartTimeText(const ConfigRecord& record);

} // namespace corvane
