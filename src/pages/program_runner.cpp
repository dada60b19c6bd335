#include "pages/program_runner.h"

#include "app/runner/station_bodies.h"
#include "pages/qt_operation_ui.h"

namespace corvane {

OperationRunner& ProgramOperationRunner() {
    static QtOperationUi ui;
    static OperationRunner runner(ui, StationOperationBodies());
    return runner;
}

} // namespace corvane
