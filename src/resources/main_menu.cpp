#include "resources/main_menu.h"

#include "resources/menu_commands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace corvane {
namespace {

constexpr Accelerator kAccelerators[] = {
    {Qt::CTRL | Qt::Key_I, kCommandImportSettings},
    {Qt::CTRL | Qt::Key_N, kCommandNewConfiguration},
    {Qt::CTRL | Qt::Key_O, kCommandOpenConfigurationFile},
    {Qt::CTRL | Qt::Key_R, kCommandRescan},
    {Qt::CTRL | Qt::Key_W, kCommandCloseWindow},
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
    {"New Configuration", kCommandNewConfiguration},
    {"&Open Configuration File...", kCommandOpenConfigurationFile},
    {"Close &Window", kCommandCloseWindow},
    {nullptr, 0},
    {"Save As...", kCommandSaveAs},
    {"&Import Settings...", kCommandImportSettings},
    {nullptr, 0},
    {"Exit", kCommandExit},
};

constexpr Item kBaseStationItems[] = {
    {"Choose Other...", kCommandChooseOther},
    {"Re-scan", kCommandRescan},
    {nullptr, 0},
    {"Restart...", kCommandRestart},
    {"Upload Software...", kCommandUploadSoftware},
    {"Upload Default (v4.0) Software...", kCommandUploadDefaultSoftware},
    {nullptr, 0},
    {"Equivalent Network Password...", kCommandEquivalentNetworkPassword},
};

constexpr Item kHelpItems[] = {
    {"About Corvane Admin Utility...", kCommandAbout},
};

constexpr Popup kMenu136[] = {
    {"File", kFileItems},
    {"Base Station", kBaseStationItems},
    {"Help", kHelpItems},
};

} // namespace

std::span<const Accelerator> AcceleratorTable146() {
    return kAccelerators;
}

QMenuBar* CreateMenuBar136(QWidget* window, std::function<void(int command)> onCommand) {
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
