// SPDX-License-Identifier: Apache-2.0
#include "resources/main_menu.h"

#include "strings/ids/menu_commands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

namespace corvane {
namespace {

constexpr Accelerator kAccelerators[] = {
    {Qt::CTRL | Qt::Key_I, kMenuImportSettings},        {Qt::CTRL | Qt::Key_N, kMenuNewConfiguration},
    {Qt::CTRL | Qt::Key_O, kMenuOpenConfigurationFile}, {Qt::CTRL | Qt::Key_R, kMenuRescan},
    {Qt::CTRL | Qt::Key_W, kMenuCloseWindow},
};

struct Item {
    const char* text; // null for a separator
    int command;
};

struct Popup {
    const char* title;
    std::span<const Item> items;
};

constexpr Item kFileItems[] = {
    {"New Configuration", kMenuNewConfiguration},
    {"&Open Configuration File...", kMenuOpenConfigurationFile},
    {"Close &Window", kMenuCloseWindow},
    {nullptr, 0},
    {"Save As...", kMenuSaveAs},
    {"&Import Settings...", kMenuImportSettings},
    {"Show C&hanges...", kMenuShowChanges},
    {nullptr, 0},
    {"Exit", kMenuExit},
};

constexpr Item kBaseStationItems[] = {
    {"Choose Other...", kMenuChooseOther},
    {"Re-scan", kMenuRescan},
    {nullptr, 0},
    {"Restart...", kMenuRestart},
    {"Upload Software...", kMenuUploadSoftware},
    {"Upload Default (v4.0) Software...", kMenuUploadDefaultSoftware},
    {"&Back Up Configurations...", kMenuBackUpConfigurations},
    {nullptr, 0},
    {"Equivalent Network Password...", kMenuEquivalentNetworkPassword},
};

constexpr Item kHelpItems[] = {
    {"About Corvane Admin Utility...", kMenuAbout},
};

// Alt and the underlined letter open a pop-up, so the keyboard reaches every command.
constexpr Popup kMenu136[] = {
    {"&File", kFileItems},
    {"&Base Station", kBaseStationItems},
    {"&Help", kHelpItems},
};

} // namespace

std::span<const Accelerator> MainMenuAccelerators() {
    return kAccelerators;
}

QMenuBar* CreateMainMenu(QWidget* window, std::function<void(int command)> onCommand) {
    auto* menuBar = new QMenuBar(window);
    for (const Popup& popup : kMenu136) {
        QMenu* menu = menuBar->addMenu(QString::fromUtf8(popup.title));
        for (const Item& item : popup.items) {
            if (item.text == nullptr) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QString::fromUtf8(item.text));
            action->setData(item.command);
            const auto* accelerator = std::ranges::find(kAccelerators, item.command, &Accelerator::command);
            if (accelerator != std::end(kAccelerators)) {
                action->setShortcut(accelerator->keys);
            }
            QObject::connect(action, &QAction::triggered, menuBar,
                             [onCommand, command = item.command] { onCommand(command); });
        }
    }
    return menuBar;
}

QAction* FindMenuCommand(const QMenuBar* menuBar, int command) {
    for (QAction* popup : menuBar->actions()) {
        if (QMenu* menu = popup->menu()) {
            for (QAction* action : menu->actions()) {
                if (!action->isSeparator() && action->data().toInt() == command) {
                    return action;
                }
            }
        }
    }
    return nullptr;
}

} // namespace corvane
