#pragma once

#include "config/config_record.h"
#include "protocol/session.h"

#include <cstdint>

namespace corvane {

// The four operation bodies the operation runner runs on its worker thread. Host and password come from the
// record (stationAddress, adminPassword); `port` is the base station's TCP port. The runner aborts them
// through the cell and closes the cell afterwards, which also closes a socket a failed read or write left
// open.

// Reads every transferable property into the record; after a failure it holds what arrived before. A reply
// longer than kMaxReplySize ends it with -15.
int ReadStationConfiguration(ConfigRecord& record, SocketCell* cell, std::uint16_t port = kStationPort);
// Writes every transferable property, then acFN and acRB: the base station restarts.
int WriteStationConfiguration(const ConfigRecord& record, SocketCell* cell,
                              std::uint16_t port = kStationPort);
// Restarts the base station.
int RestartStationOperation(const ConfigRecord& record, SocketCell* cell, std::uint16_t port = kStationPort);
// Uploads a software image of `size` bytes; `flags` as UploadStationSoftware takes them.
int UploadStationSoftwareOperation(const ConfigRecord& record, SocketCell* cell, std::uint32_t size,
                                   const std::uint8_t* data, std::uint32_t flags,
                                   std::uint16_t port = kStationPort);

} // namespace corvane
