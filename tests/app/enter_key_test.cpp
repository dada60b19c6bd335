// SPDX-License-Identifier: Apache-2.0
// Enter presses the focused push button in every dialog and in the chooser (and, with the focus elsewhere,
// the default button), so Enter on a focused Cancel never answers OK.
#include "chooser_fixture.h"
#include "config/status_codes.h"
#include "config_windows.h"
#include "configwindow/config_window.h"
#include "desktop/about_dialog.h"
#include "desktop/choose_other_dialog.h"
#include "desktop/enter_password_dialog.h"
#include "desktop/progress_dialog.h"
#include "modal_driver.h"
#include "pages/change_password_dialog.h"
#include "strings/ids/chooser_controls.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/string_ids.h"
#include "widgets/control_binding.h"
#include "widgets/error_dialog.h"
#include "widgets/messages.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>
#include <vector>

namespace corvane {

using namespace testing;

namespace {

// Focuses the push button with `id`, presses Enter and gives the id of the button that was pressed (0 for
// none). Every button's own action is cut off first: what is under test is only which button Enter reaches.
int PressEnterOn(QWidget* window, int id) {
    auto pressed = std::make_shared<int>(0);
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        QObject::disconnect(button, &QAbstractButton::clicked, nullptr, nullptr);
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [pressed, button] { *pressed = button->property(kControlIdProperty).toInt(); });
    }
    auto* focused = qobject_cast<QPushButton*>(GetControl(window, id));
    focused->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused, Qt::Key_Return);
    return *pressed;
}

struct ModalDialog {
    const char* name;
    std::vector<int> buttons;
    std::function<void()> run; // its result is the test's own answer, so it is dropped
};

const ModalDialog kModalDialogs[] = {
    {"Enter Password", {kOk, kCancel}, [] { EnterPasswordDialog().exec(); }},
    {"Choose Other", {kOk, kCancel}, [] { ChooseOtherDialog().exec(); }},
    {"Change Password", {kOk, kCancel}, [] { ChangePasswordDialog().exec(); }},
    {"confirmation", {kOk, kCancel}, [] { ShowMessage(kStrConfirmRestart, 0, true); }},
    {"message", {kOk}, [] { ShowMessage(kStrStationAccessError, runner_status::kWaitFailed, false); }},
    {"About", {kOk}, [] { AboutDialog().exec(); }},
    {"Progress",
     {kCancel},
     [] {
         ProgressDialog({kStrProgressReading, false}).RunModal();
     }},
};

} // namespace

class EnterKeyTest : public testing::ConfigWindowTestCase {
    Q_OBJECT

private slots:
    void enterPressesTheFocusedButtonOfEveryDialog_data() {
        QTest::addColumn<int>("dialog");
        QTest::addColumn<int>("button");
        for (int dialog = 0; dialog < int(std::size(kModalDialogs)); ++dialog) {
            for (const int button : kModalDialogs[dialog].buttons) {
                QTest::addRow("%s, button %d", kModalDialogs[dialog].name, button) << dialog << button;
            }
        }
    }
    void enterPressesTheFocusedButtonOfEveryDialog() {
        QFETCH(int, dialog);
        QFETCH(int, button);
        int pressed = -1;
        OnNextModal([&](QDialog& shown) {
            pressed = PressEnterOn(&shown, button);
            shown.reject();
        });
        kModalDialogs[dialog].run();
        QCOMPARE(pressed, button);
    }

    // Confirmations go on only on OK: Enter on the focused Cancel of the restart confirmation answers Cancel.
    void aConfirmationAnswersWithTheButtonEnterPresses_data() {
        QTest::addColumn<unsigned>("message");
        QTest::addColumn<int>("button");
        for (const unsigned message : {kStrConfirmRestart, kStrConfirmUpload}) {
            QTest::addRow("message %u, Cancel", message) << message << int(kCancel);
            QTest::addRow("message %u, OK", message) << message << int(kOk);
        }
    }
    void aConfirmationAnswersWithTheButtonEnterPresses() {
        QFETCH(unsigned, message);
        QFETCH(int, button);
        OnNextModal([button](QDialog& shown) {
            GetControl(&shown, button)->setFocus(Qt::TabFocusReason);
            QTest::keyClick(GetControl(&shown, button), Qt::Key_Return);
        });
        QCOMPARE(ShowMessage(StringId(message), 0, true), button);
    }

    void enterPressesTheFocusedButtonOfTheChooser() {
        ChooserHost host;
        QVERIFY(host.WaitForStations());
        host.SelectRow(0);
        for (const int button : {chooser::kConfigure, chooser::kRescan, chooser::kOther}) {
            QCOMPARE(PressEnterOn(&host.chooser(), button), button);
        }
    }

    void enterPressesTheFocusedButtonOfAConfigurationWindow() {
        ConfigRecord station;
        station.stationAddress = 0x7F000001;
        ConfigWindow window(&station);
        window.show();
        for (const int button : {kOk, kCancel}) { // Update, Cancel
            QCOMPARE(PressEnterOn(&window, button), button);
        }
    }
};

} // namespace corvane

QTEST_MAIN(corvane::EnterKeyTest)
#include "enter_key_test.moc"
