// SPDX-License-Identifier: Apache-2.0
#include "desktop/choose_other_dialog.h"
#include "desktop/enter_password_dialog.h"
#include "gui_test_case.h"
#include "modal_driver.h"
#include "station_text_refusal.h"
#include "strings/ids/choose_other_controls.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/enter_password_controls.h"
#include "strings/ids/error_controls.h"
#include "strings/ids/string_ids.h"
#include "strings/string_table.h"
#include "widgets/control_binding.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <sys/prctl.h>

namespace corvane {

using namespace testing;

class PasswordDialogsTest : public testing::GuiTestCase {
    Q_OBJECT

private slots:
    void templatesShowTheirTexts() {
        EnterPasswordDialog enter;
        QCOMPARE(enter.windowTitle(), QStringLiteral("Enter Password"));
        QVERIFY(enter.findChild<QLineEdit*>()->echoMode() == QLineEdit::Password);
        ChooseOtherDialog other;
        QCOMPARE(other.windowTitle(), QStringLiteral("Choose Other Base Station"));
        QCOMPARE(TextOf(&other, kOk), QStringLiteral("OK"));
        QVERIFY(LabelTexts(&other).contains(
            QStringLiteral("Enter the IP address and password of the other base station:")));
        QVERIFY(LabelTexts(&other).contains(QStringLiteral("IP Address:")));
        QVERIFY(LabelTexts(&enter).contains(QStringLiteral("Enter the base station password:")));
    }

    void enterPasswordAcceptsTheEmptyText() {
        std::string password = "previous";
        OnNextModal([](QDialog& dialog) { ClickControl(&dialog, kOk); });
        EnterPasswordDialog dialog;
        QVERIFY(dialog.Run(password));
        QCOMPARE(password, std::string());
    }

    void enterPasswordHandsBackWhatWasTyped() {
        std::string password;
        OnNextModal([](QDialog& dialog) {
            TypeInto(&dialog, enter_password::kPassword, QStringLiteral("orchid"));
            QTest::keyClick(&dialog, Qt::Key_Return);
        });
        EnterPasswordDialog dialog;
        QVERIFY(dialog.Run(password));
        QCOMPARE(password, std::string("orchid"));
        QCOMPARE(::prctl(PR_GET_DUMPABLE), 0); // held passwords stay out of core dumps and debuggers
    }

    void passwordEditsRefuseWhatWindows1252CannotHold_data() {
        QTest::addColumn<bool>("chooseOther");
        QTest::addColumn<int>("edit");
        QTest::newRow("Enter Password") << false << int(enter_password::kPassword);
        QTest::newRow("Choose Other, password") << true << int(choose_other::kPassword);
        QTest::newRow("Choose Other, address") << true << int(choose_other::kAddress);
    }
    void passwordEditsRefuseWhatWindows1252CannotHold() {
        QFETCH(bool, chooseOther);
        QFETCH(int, edit);
        StationTextRefusal refusal;
        TypeUnholdableTextIntoNextModal(edit, refusal);
        std::string password;
        std::string address;
        if (chooseOther) {
            ChooseOtherDialog(nullptr).Run(address, password);
        } else {
            EnterPasswordDialog(nullptr).Run(password);
        }
        CheckRefusal(refusal);
    }

    void typedPasswordComesBackAsWindows1252() {
        std::string password;
        OnNextModal([](QDialog& dialog) {
            TypeInto(&dialog, enter_password::kPassword, QStringLiteral("\u20ACuro\u00DF"));
            ClickControl(&dialog, kOk);
        });
        EnterPasswordDialog dialog;
        QVERIFY(dialog.Run(password));
        QCOMPARE(password, std::string("\x80uro\xDF"));
    }

    void chooseOtherReturnsBothTextsUnchanged() {
        std::string address = "old";
        std::string password = "old";
        OnNextModal([](QDialog& dialog) {
            TypeInto(&dialog, choose_other::kAddress, QStringLiteral("station.example:80"));
            TypeInto(&dialog, choose_other::kPassword, QStringLiteral("pw"));
            ClickControl(&dialog, kOk);
        });
        ChooseOtherDialog dialog;
        QVERIFY(dialog.Run(address, password));
        QCOMPARE(address, std::string("station.example:80"));
        QCOMPARE(password, std::string("pw"));

        OnNextModal([](QDialog& second) {
            TypeInto(&second, choose_other::kAddress, QStringLiteral("10.0.1.1"));
            ClickControl(&second, kCancel);
        });
        ChooseOtherDialog cancelled;
        QVERIFY(!cancelled.Run(address, password));
        QCOMPARE(address, std::string("station.example:80"));
    }
};

} // namespace corvane

QTEST_MAIN(corvane::PasswordDialogsTest)
#include "password_dialogs_test.moc"
