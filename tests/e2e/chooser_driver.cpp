// SPDX-License-Identifier: Apache-2.0
#include "chooser_driver.h"

#include "app/chooser_window.h"
#include "config_windows.h"
#include "modal_driver.h"
#include "simulated_fleet.h"
#include "strings/ids/chooser_controls.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/enter_password_controls.h"

#include <QDialog>
#include <QItemSelectionModel>
#include <QTest>
#include <QTreeView>

namespace corvane::e2e {

std::set<QString> ListedAddresses(const ChooserWindow& chooser) {
    std::set<QString> addresses;
    for (int row = 0; row < chooser.StationList().model()->rowCount(); ++row) {
        addresses.insert(RowText(chooser, row, 1));
    }
    return addresses;
}

QString RowText(const ChooserWindow& chooser, int row, int column) {
    return chooser.StationList().model()->index(row, column).data().toString();
}

int RowOf(const ChooserWindow& chooser, int station) {
    for (int row = 0; row < chooser.StationList().model()->rowCount(); ++row) {
        if (RowText(chooser, row, 1) == StationAddress(station)) {
            return row;
        }
    }
    return -1;
}

bool WaitForStation(const ChooserWindow& chooser, int station) {
    return QTest::qWaitFor([&] { return RowOf(chooser, station) >= 0; }, kScanWaitMs);
}

int SelectStation(ChooserWindow& chooser, int station) {
    const int row = RowOf(chooser, station);
    if (row >= 0) {
        chooser.StationList().clearSelection();
        chooser.StationList().selectionModel()->select(chooser.StationList().model()->index(row, 0),
                                                       QItemSelectionModel::Select |
                                                           QItemSelectionModel::Rows);
    }
    return row;
}

bool CountdownStarted(const ChooserWindow& chooser, int row) {
    const QString text = RowText(chooser, row, 1);
    for (int count = 20; count >= 1; --count) {
        if (text == QStringLiteral("Restarting...%1").arg(count)) {
            return true;
        }
    }
    return false;
}

void AnswerPassword(const QString& password) {
    testing::OnNextModal([password](QDialog& dialog) {
        testing::TypeInto(&dialog, enter_password::kPassword, password);
        testing::ClickControl(&dialog, kOk);
    });
}

ConfigWindow* ConfigureStation(ChooserWindow& chooser, int station, const QString& password) {
    if (!WaitForStation(chooser, station) || SelectStation(chooser, station) < 0) {
        return nullptr;
    }
    const QList<ConfigWindow*> before = testing::OpenConfigWindows();
    AnswerPassword(password);
    testing::ClickControl(&chooser, chooser::kConfigure);
    for (ConfigWindow* window : testing::OpenConfigWindows()) {
        if (!before.contains(window)) {
            return window;
        }
    }
    return nullptr;
}

} // namespace corvane::e2e
