// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"
#include "protocol/session.h"
#include "protocol/station_access.h"

#include <cstdint>

namespace corvane {

// The four operation bodies the operation runner runs on its worker thread, each reaching the station through
// `access`. The runner aborts them through the cell and closes the cell afterwards, which also closes a
// socket a failed read or write left open.

// Reads every transferable property into the record; after a failure it holds what arrived before. A reply
// longer than kMaxReplySize ends it with -15.
int ReadStationConfiguration(const StationAccess& access, ConfigRecord& record, SocketCell* cell);
// Writes every transferable property, then acFN and acRB: the base station restarts.
int WriteStationConfiguration(const StationAccess& access, const ConfigRecord& record, SocketCell* cell);
// Restarts the base station.
int RestartStationOperation(const StationAccess& access, SocketCell* cell);
// Uploads a software image of `size` bytes; `flags` as UploadStationSoftware takes them.
int UploadStationSoftwareOperation(const StationAccess& access, SocketCell* cell, std::uint32_t size,
                                   const std::uint8_t* data, std::uint32_t flags);

// The same operations reaching the station the record names (stationAddress, adminPassword) on `port`, as the
// desktop utility calls them.
int ReadStationConfiguration(ConfigRecord& record, SocketCell* cell, std::uint16_t port = kStationPort);
int WriteStationConfiguration(const ConfigRecord& record, SocketCell* cell,
                              std::uint16_t port = kStationPort);
int RestartStationOperation(const ConfigRecord& record, SocketCell* cell, std::uint16_t port = kStationPort);
int UploadStationSoftwareOperation(const ConfigRecord& record, SocketCell* cell, std::uint32_t size,
                                   const std::uint8_t* data, std::uint32_t flags,
                                   std::uint16_t port = kStationPort);

} // namespace corvane
