// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/station_session.h"
#include "config/config_record.h"

#include <QJsonObject>
#include <QString>

namespace corvane::cli {

// One station of a fleet command and what became of it.
struct FleetStation {
    StationTarget target;
    ConfigRecord answer;     // its discovery answer (name, WAN MAC address) once it is known
    bool identified = false; // found by the scan, or asked since
    // backup: it did not answer discovery, but its configuration could be read (and gave `answer` its name)
    bool namedByAddress = false;
    bool begun = false;
    Outcome outcome;
    QString result;      // what a success did
    QJsonObject details; // what the command adds to the station's record in --json
};

} // namespace corvane::cli
