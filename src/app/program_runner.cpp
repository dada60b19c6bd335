#include "app/program_runner.h"

#include "app/qt_operation_ui.h"
#include "app/runner/station_bodies.h"

namespace corvane {

OperationRunner& ProgramOperationRunner() {
    static QtOperationUi ui;
    static OperationRunner runner(ui, StationOperationBodies());
    return runner;
}

} // namespace corvane
