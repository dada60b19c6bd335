#pragma once

#include "config/config_record.h"

#include <QString>

namespace corvane::cli {

// "NAME-WANMAC.cfg" for a station's discovery answer: the name (Windows-1252) with everything but ASCII
// letters, digits, '-', '_' and '.' made '_' (no leading dot, at most 64 characters, "station" when nothing
// is left), and the WAN MAC address as 12 hexadecimal digits. Safe on every file system, never a path.
QString BackupFileName(const ConfigRecord& answer);

} // namespace corvane::cli
