// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "runner/operation_runner.h"

namespace corvane {

// The one operation runner of the program, shared by the chooser and every configuration window; it shows the
// wait cursor and the Progress dialog and runs the base-station exchanges.
OperationRunner& ProgramOperationRunner();

} // namespace corvane
