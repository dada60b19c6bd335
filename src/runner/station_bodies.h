// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "protocol/session.h"
#include "runner/operation_runner.h"

#include <cstdint>

namespace corvane {

// The base-station exchanges as operation bodies, aimed at `port` of the record's station address.
OperationBodies StationOperationBodies(std::uint16_t port = kStationPort);

} // namespace corvane
