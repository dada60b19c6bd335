// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QKeyCombination>
#include <functional>
#include <span>

class QAction;
class QMenuBar;
class QWidget;

namespace corvane {

struct Accelerator {
    QKeyCombination keys;
    int command;
};

// The main menu's accelerators, shared by the chooser and the configuration window.
std::span<const Accelerator> MainMenuAccelerators();

// Builds the main menu (File, Base Station, Help) as the menu bar of a window. Each item's action carries its
// command id as data and, when triggered, calls onCommand with it; the main menu's accelerators are the
// shortcuts of the items whose command they send, so a grayed item's accelerator does nothing, as on the
// menu.
QMenuBar* CreateMainMenu(QWidget* window, std::function<void(int command)> onCommand);

// The action of a command in a menu bar made by CreateMainMenu, or null.
QAction* FindMenuCommand(const QMenuBar* menuBar, int command);

} // namespace corvane
