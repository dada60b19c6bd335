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

// Accelerator table 146, shared by the chooser and the configuration window.
std::span<const Accelerator> AcceleratorTable146();

// Builds menu 136 (File, Base Station, Help) as the menu bar of a window. Each item's action carries its
// command id as data and, when triggered, calls onCommand with it; the accelerators of table 146 are the
// shortcuts of the items whose command they send, so a grayed item's accelerator does nothing, as on the
// menu.
QMenuBar* CreateMenuBar136(QWidget* window, std::function<void(int command)> onCommand);

// The action of a command in a menu bar made by CreateMenuBar136, or null.
QAction* FindMenuCommand(const QMenuBar* menuBar, int command);

} // namespace corvane
