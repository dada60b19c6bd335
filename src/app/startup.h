// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "app/chooser_window.h"

#include <QStringList>
#include <functional>

namespace corvane {

struct StartupOptions {
    std::function<int()> startSockets; // empty: the socket layer's StartSockets
    ChooserSetup chooser;
};

// The program's start: the socket layer, then the chooser, then one configuration window per file named on
// the command line (message 149 for each that fails; the rest still open). When the socket layer cannot
// start, message 103 shows in a plain message box and nothing opens. The chooser, or null when the program
// cannot go on.
ChooserWindow* StartAdminUtility(const QStringList& files, StartupOptions options = {});

// Runs the whole program on the arguments after the program name, until the chooser is closed or Exit is
// chosen; windows still open then end unasked. The exit status: 0, or 1 when the program could not start.
int RunAdminUtility(const QStringList& files, StartupOptions options = {});

} // namespace corvane
