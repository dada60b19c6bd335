#include "internet_host.h"

#include "configwindow/config_window.h"
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
namespace {

std::vector<ConfigPage*> FirstAndInternet(QWidget* parent) {
    auto* first = new ConfigPage(105, parent);
    first->setWindowTitle(QStringLiteral("Corvane"));
    return {first, new InternetPage(parent)};
}

} // namespace

InternetHost::InternetHost(const ConfigRecord& record)
    : window_(std::make_unique<ConfigWindow>(&record, FirstAndInternet)) {
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    internet_ = qobject_cast<InternetPage*>(window_->Sheet().Page(1));
    QVERIFY(internet_ != nullptr);
}

InternetHost::~InternetHost() = default;

ConfigRecord& InternetHost::record() {
    return window_->Record();
}

QComboBox& InternetHost::connectionType() {
    return *qobject_cast<QComboBox*>(GetControl(internet_, internet_page::kConnectionType));
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
    QTabBar* tabs = internet_->ConnectionSheet().tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(connection).center());
}

int InternetHost::FocusedControl() {
    const QWidget* focused = window_->focusWidget();
    while (focused != nullptr && !focused->property(kControlIdProperty).isValid()) {
        focused = focused->parentWidget(); // a field inside a compound control, such as an address box
    }
    return focused != nullptr ? focused->property(kControlIdProperty).toInt() : 0;
}

bool InternetHost::Store() {
    return internet_->Validate() && internet_->SaveSettings();
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
    QCOMPARE(internet_->Validate(), focused == 0);
    if (focused != 0) {
        QCOMPARE(message, ResourceText(kStrUserInformationMissing));
        QCOMPARE(window_->Sheet().currentWidget(), internet_);
        QCOMPARE(internet_->ConnectionSheet().currentWidget(), page(connection));
        QCOMPARE(FocusedControl(), focused);
    }
}

} // namespace corvane::testing
