// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_io.h"

#include <QStringList>

namespace corvane::cli {

// Runs one command line of the tool (without the program name) and returns its exit status.
int RunCli(const QStringList& args, CliIo& io);

} // namespace corvane::cli
