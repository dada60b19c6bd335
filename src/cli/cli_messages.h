// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "strings/ids/string_ids.h"

#include <QString>

namespace corvane::cli {

// A message of the desktop utility's string table, as the command-line tool prints it.
QString MessageText(StringId id);

// What the desktop utility shows for a failed base-station operation: the wrong-password message for -16, the
// out-of-memory message for -6731, else the station-access one; always with the status code, marked "unknown
// status" when no layer defines it.
QString StationFailureText(int status);

} // namespace corvane::cli
