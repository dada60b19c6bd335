// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace corvane {

// "NAME-WANMAC.cfg" for a station's discovery answer: the name (Windows-1252) with everything but ASCII
// letters, digits, '-', '_' and '.' made '_' (no leading dot, at most 64 characters, "station" when nothing
// is left), and the WAN MAC address as 12 hexadecimal digits. Safe on every file system, never a path.
QString BackupFileName(const ConfigRecord& answer);

// "NAME-ADDRESS.cfg" for a station that did not answer discovery: the name as BackupFileName makes it, and
// the station's address in its dotted form.
QString BackupFileNameByAddress(const ConfigRecord& configuration, const QString& dottedAddress);

// A station to back up: the file name it asks for (empty: none), and where it is reached.
struct BackupSubject {
    QString fileName;
    std::uint32_t address = 0;
    std::uint16_t port = 0;
};

// The file name of each subject, in their order. Names equal but for case are one name to some file systems:
// the first such subject by address (then port) keeps it, the next ones get "-2", "-3"... before ".cfg", so
// every backup of the same stations puts each in the same file.
std::vector<QString> DistinctBackupFileNames(const std::vector<BackupSubject>& subjects);

} // namespace corvane
