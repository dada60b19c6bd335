// SPDX-License-Identifier: Apache-2.0
#include "config_windows.h"

#include "configwindow/config_window.h"
#include "resources/main_menu.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QPointer>

namespace corvane::testing {

QList<ConfigWindow*> OpenConfigWindows() {
    QList<ConfigWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<ConfigWindow*>(widget); window != nullptr && window->isVisible()) {
            windows << window;
        }
    }
    return windows;
}

void CloseConfigWindows() {
    // Collected first: a window takes its menus, top-level widgets themselves, along when it goes.
    QList<QPointer<ConfigWindow>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<ConfigWindow*>(widget)) {
            windows << window;
        }
    }
    for (const QPointer<ConfigWindow>& window : windows) {
        delete window.data();
    }
}

void RunMenuCommand(ConfigWindow* window, int command) {
    FindMenuCommand(window->findChild<QMenuBar*>(), command)->trigger();
}

} // namespace corvane::testing
