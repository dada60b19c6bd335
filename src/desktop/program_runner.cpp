// SPDX-License-Identifier: Apache-2.0
#include "desktop/program_runner.h"

#include "desktop/qt_operation_ui.h"
#include "runner/station_bodies.h"

namespace corvane {

OperationRunner& ProgramOperationRunner() {
    static QtOperationUi ui;
    static OperationRunner runner(ui, StationOperationBodies());
    return runner;
}

} // namespace corvane
