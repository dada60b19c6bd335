// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "gui_test_case.h"

#include <QList>

namespace corvane {
class ConfigWindow;
}

namespace corvane::testing {

// The configuration windows on screen.
QList<ConfigWindow*> OpenConfigWindows();
// Deletes every configuration window, shown or not.
void CloseConfigWindows();
// Chooses the item of `command` in the window's menu bar, whatever its state.
void RunMenuCommand(ConfigWindow* window, int command);

// A test case that opens configuration windows: each case also ends with none of them left.
class ConfigWindowTestCase : public GuiTestCase {
    Q_OBJECT

protected:
    void EndCase() override { CloseConfigWindows(); }
};

} // namespace corvane::testing
