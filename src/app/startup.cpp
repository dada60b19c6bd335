// SPDX-License-Identifier: Apache-2.0
#include "app/startup.h"

#include "configwindow/config_window.h"
#include "protocol/net_socket.h"
#include "strings/ids/string_ids.h"
#include "strings/string_table.h"
#include "widgets/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>

namespace corvane {

namespace {

// Qt's file dialogs keep their history (folders visited, column widths) in the user's profile. This program
// reads and writes no profile entries, so settings go where no file can be.
void KeepNoSettings() {
    for (const auto scope : {QSettings::UserScope, QSettings::SystemScope}) {
        QSettings::setPath(QSettings::NativeFormat, scope, QStringLiteral("/dev/null"));
    }
}

} // namespace

ChooserWindow* StartAdminUtility(const QStringList& files, StartupOptions options) {
    KeepNoSettings();
    const int sockets = options.startSockets ? options.startSockets() : StartSockets();
    if (sockets != 0) {
        // Before any window of ours exists: the platform's plain message box.
        QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(),
                        QString::fromUtf8(ResourceString(kStrSocketsFailed)), QMessageBox::Ok);
        box.exec();
        return nullptr;
    }
    ChooserWindow* chooser = nullptr;
    try {
        chooser = new ChooserWindow(std::move(options.chooser));
    } catch (const DiscoveryStartError& error) {
        ShowMessage(kStrStationAccessError, error.status, false);
        return nullptr;
    }
    chooser->show();
    for (const QString& file : files) {
        chooser->OpenConfigurationFile(file);
    }
    return chooser;
}

int RunAdminUtility(const QStringList& files, StartupOptions options) {
    QApplication::setQuitOnLastWindowClosed(
        false); // the chooser's end is the program's, not the last window's
    const QPointer<ChooserWindow> chooser = StartAdminUtility(files, std::move(options));
    if (chooser == nullptr) {
        return 1;
    }
    QObject::connect(chooser, &QObject::destroyed, qApp, [] { QCoreApplication::exit(0); });
    QApplication::exec();
    // Exit leaves the chooser open; configuration windows still open end with the program, unasked.
    delete chooser.data();
    QList<QPointer<ConfigWindow>> windows; // collected first: each takes its menus, also top-level, along
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* configWindow = qobject_cast<ConfigWindow*>(window)) {
            windows << configWindow;
        }
    }
    for (const QPointer<ConfigWindow>& window : windows) {
        delete window.data();
    }
    return 0;
}

} // namespace corvane
