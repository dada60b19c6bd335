#pragma once

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

} // namespace corvane::testing
