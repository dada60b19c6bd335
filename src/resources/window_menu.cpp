// SPDX-License-Identifier: Apache-2.0
#include "resources/window_menu.h"

#include "resources/main_menu.h"

#include <QAction>
#include <QDialog>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

namespace corvane {

QMenuBar* InstallMainMenu(QDialog* window, std::function<void(int command)> onCommand,
                          std::function<void(QMenu* menu, int position)> onMenuOpening) {
    QMenuBar* menuBar = CreateMainMenu(window, std::move(onCommand));
    window->layout()->setMenuBar(menuBar);
    const auto menus = menuBar->actions();
    for (int position = 0; position < menus.size(); ++position) {
        QMenu* menu = menus[position]->menu();
        QObject::connect(menu, &QMenu::aboutToShow, window,
                         [onMenuOpening, menu, position] { onMenuOpening(menu, position); });
    }
    return menuBar;
}

void EnableCommand(QMenu* menu, int command, bool enable) {
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->data().toInt() == command) {
            action->setEnabled(enable);
        }
    }
}

} // namespace corvane
