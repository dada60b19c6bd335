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

} // namespace corvane::testing
