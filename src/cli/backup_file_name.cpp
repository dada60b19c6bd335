// SPDX-License-Identifier: Apache-2.0
#include "cli/backup_file_name.h"

#include "files/backup_file_name.h"
#include "protocol/dotted_quad.h"

namespace corvane::cli {

std::vector<QString> BackupFileNames(const std::vector<FleetStation>& stations) {
    std::vector<BackupSubject> subjects;
    subjects.reserve(stations.size());
    for (const FleetStation& station : stations) {
        const StationAccess& access = station.target.station;
        QString name;
        if (station.identified) {
            name = station.namedByAddress
                       ? BackupFileNameByAddress(station.answer,
                                                 QString::fromStdString(FormatDottedQuad(access.address)))
                       : BackupFileName(station.answer);
        }
        subjects.push_back({name, access.address, access.port});
    }
    return DistinctBackupFileNames(subjects);
}

} // namespace corvane::cli
