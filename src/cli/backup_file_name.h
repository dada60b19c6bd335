#pragma once

#include "cli/fleet_station.h"
#include "config/config_record.h"

#include <QString>
#include <vector>

namespace corvane::cli {

// "NAME-WANMAC.cfg" for a station's discovery answer: the name (Windows-1252) with everything but ASCII
// letters, digits, '-', '_' and '.' made '_' (no leading dot, at most 64 characters, "station" when nothing
// is left), and the WAN MAC address as 12 hexadecimal digits. Safe on every file system, never a path.
QString BackupFileName(const ConfigRecord& answer);

// "NAME-ADDRESS.cfg" for a station that did not answer discovery: the name as BackupFileName makes it, and
// the station's dotted-quad address.
QString BackupFileNameByAddress(const ConfigRecord& configuration, std::uint32_t address);

// The backup file name of each identified station, in `stations` order (empty for one not identified), by
// address for one named by its address. Names
// equal but for case are one name to some file systems: the first such station by address (then port) keeps
// it, the next ones get "-2", "-3"... before ".cfg", so every run over the same stations puts each in the
// same file.
std::vector<QString> BackupFileNames(const std::vector<FleetStation>& stations);

} // namespace corvane::cli
