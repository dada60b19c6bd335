// SPDX-License-Identifier: Apache-2.0
#include "runner/station_bodies.h"

#include "protocol/station_operations.h"

namespace corvane {

OperationBodies StationOperationBodies(std::uint16_t port) {
    return {
        [port](OperationContext& context) {
            return ReadStationConfiguration(context.record, context.cell, port);
        },
        [port](OperationContext& context) {
            return WriteStationConfiguration(context.record, context.cell, port);
        },
        [port](OperationContext& context) {
            return RestartStationOperation(context.record, context.cell, port);
        },
        [port](OperationContext& context) {
            return UploadStationSoftwareOperation(context.record, context.cell, context.extra.size,
                                                  context.extra.data, context.extra.flags, port);
        },
    };
}

} // namespace corvane
