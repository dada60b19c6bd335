// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <functional>

class QDialog;
class QMenu;
class QMenuBar;

namespace corvane {

// Gives a window the main menu as its menu bar. `onCommand` runs the chosen command; `onMenuOpening` sets the
// item states of a pop-up (by its position in the bar) each time it is about to open.
QMenuBar* InstallMainMenu(QDialog* window, std::function<void(int command)> onCommand,
                          std::function<void(QMenu* menu, int position)> onMenuOpening);

// Enables or grays the item of `command` in the pop-up.
void EnableCommand(QMenu* menu, int command, bool enable);

} // namespace corvane
