#pragma once

#include "app/runner/operation_runner.h"
#include "protocol/session.h"

#include <cstdint>

namespace corvane {

// The base-station exchanges as operation bodies, aimed at `port` of the record's station address.
OperationBodies StationOperationBodies(std::uint16_t port = kStationPort);

} // namespace corvane
