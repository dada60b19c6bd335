// SPDX-License-Identifier: Apache-2.0
#include "internet_host.h"

#include "modal_driver.h"
#include "pages/property_sheet.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/error_controls.h"
#include "strings/ids/internet_page_controls.h"
#include "strings/ids/string_ids.h"
#include "widgets/control_binding.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QTabBar>
#include <QTest>

namespace corvane::testing {

InternetHost::InternetHost(const ConfigRecord& record) : pages_(record) {
    QVERIFY(QTest::qWaitForWindowExposed(&pages_.sheet));
}

QComboBox& InternetHost::connectionType() {
    return *qobject_cast<QComboBox*>(GetControl(pages_.page, internet_page::kConnectionType));
}

void InternetHost::Choose(QWidget* dialog, int id, int index) {
    auto* list = qobject_cast<QComboBox*>(GetControl(dialog, id));
    QVERIFY(list != nullptr);
    QTest::keyClick(list, Qt::Key_Home);
    for (int step = 0; step < index; ++step) {
        QTest::keyClick(list, Qt::Key_Down);
    }
    QCOMPARE(list->currentIndex(), index);
}

void InternetHost::ClickConnectionTab(int connection) {
    QTabBar* tabs = pages_.page->ConnectionSheet().tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(connection).center());
}

int InternetHost::FocusedControl() {
    const QWidget* focused = pages_.sheet.focusWidget();
    while (focused != nullptr && !focused->property(kControlIdProperty).isValid()) {
        focused = focused->parentWidget(); // a field inside a compound control, such as an address box
    }
    return focused != nullptr ? focused->property(kControlIdProperty).toInt() : 0;
}

bool InternetHost::Store() {
    return pages_.page->Validate() && pages_.page->SaveSettings();
}

void InternetHost::ExpectMessage(QString& text) {
    OnNextModal([&text](QDialog& dialog) {
        text = TextOf(&dialog, error::kMessage);
        ClickControl(&dialog, kOk);
    });
}

void InternetHost::CheckValidation(int connection, int focused) {
    QString message;
    if (focused != 0) {
        ExpectMessage(message);
    }
    QCOMPARE(pages_.page->Validate(), focused == 0);
    if (focused != 0) {
        QCOMPARE(message, ResourceText(kStrUserInformationMissing));
        QCOMPARE(pages_.sheet.currentWidget(), pages_.page);
        QCOMPARE(pages_.page->ConnectionSheet().currentWidget(), page(connection));
        QCOMPARE(FocusedControl(), focused);
    }
}

} // namespace corvane::testing
