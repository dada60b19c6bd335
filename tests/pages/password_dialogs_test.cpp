#include "desktop/choose_other_dialog.h"
#include "desktop/enter_password_dialog.h"
#include "modal_driver.h"
#include "pages/change_password_dialog.h"
#include "strings/ids/change_password_controls.h"
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
#include <QToolTip>
#include <sys/prctl.h>

namespace corvane {

using namespace testing;

class PasswordDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        QVERIFY2(TakeUnexpectedModals().isEmpty(), "a dialog showed that the test did not expect");
    }

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
        ChangePasswordDialog change;
        QCOMPARE(change.windowTitle(), QStringLiteral("Change Password"));
        QCOMPARE(TextOf(&change, kOk), QStringLiteral("Change"));
        QCOMPARE(TextOf(&change, kCancel), QStringLiteral("Cancel"));
        QVERIFY(qobject_cast<QPushButton*>(GetControl(&change, kOk))->isDefault());
        const QStringList labels = LabelTexts(&change);
        QVERIFY(labels.contains(QStringLiteral("Enter the new password:")));
        QVERIFY(labels.contains(QStringLiteral("New Password:")));
        QVERIFY(labels.contains(QStringLiteral("Confirm:")));
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

    void cancelEscapeAndCloseBoxKeepTheCallersText_data() {
        QTest::addColumn<int>("way");
        QTest::newRow("Cancel button") << 0;
        QTest::newRow("Escape") << 1;
        QTest::newRow("close box") << 2;
    }
    void cancelEscapeAndCloseBoxKeepTheCallersText() {
        QFETCH(int, way);
        std::string password = "kept";
        OnNextModal([way](QDialog& dialog) {
            TypeInto(&dialog, change_password::kNewPassword, QStringLiteral("new"));
            TypeInto(&dialog, change_password::kConfirmation, QStringLiteral("new"));
            switch (way) {
            case 0:
                ClickControl(&dialog, kCancel);
                break;
            case 1:
                QTest::keyClick(&dialog, Qt::Key_Escape);
                break;
            default:
                dialog.close();
                break;
            }
        });
        ChangePasswordDialog dialog;
        QVERIFY(!dialog.Run(password));
        QCOMPARE(password, std::string("kept"));
    }

    void changePasswordRefusesEmptyOrDifferentConfirmation_data() {
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("confirmation");
        QTest::newRow("both empty") << ""
                                    << "";
        QTest::newRow("confirmation empty") << "secret"
                                            << "";
        QTest::newRow("letter case differs") << "Secret"
                                             << "secret";
        QTest::newRow("one longer") << "secret"
                                    << "secret1";
    }
    void changePasswordRefusesEmptyOrDifferentConfirmation() {
        QFETCH(QString, entered);
        QFETCH(QString, confirmation);
        std::string password = "kept";
        QString shownMessage;
        OnNextModal([&](QDialog& dialog) {
            TypeInto(&dialog, change_password::kNewPassword, entered);
            TypeInto(&dialog, change_password::kConfirmation, confirmation);
            OnNextModal([&](QDialog& message) {
                shownMessage = TextOf(&message, error::kMessage);
                ClickControl(&message, kOk);
            });
            ClickControl(&dialog, kOk);
            // Still open, with both texts as typed.
            QVERIFY(dialog.isVisible());
            QCOMPARE(TextOf(&dialog, change_password::kNewPassword), entered);
            QCOMPARE(TextOf(&dialog, change_password::kConfirmation), confirmation);
            ClickControl(&dialog, kCancel);
        });
        ChangePasswordDialog dialog;
        QVERIFY(!dialog.Run(password));
        QCOMPARE(shownMessage, QString::fromUtf8(ResourceString(kStrPasswordMismatch).data()));
        QCOMPARE(password, std::string("kept"));
    }

    void changePasswordWithMatchingEntriesPasses() {
        std::string password;
        OnNextModal([](QDialog& dialog) {
            TypeInto(&dialog, change_password::kNewPassword, QStringLiteral("Grüße"));
            TypeInto(&dialog, change_password::kConfirmation, QStringLiteral("Grüße"));
            ClickControl(&dialog, kOk);
        });
        ChangePasswordDialog dialog;
        QVERIFY(dialog.Run(password));
        QCOMPARE(password, std::string("Gr\xFC\xDF"
                                       "e"));
    }

    void passwordEditsRefuseWhatWindows1252CannotHold_data() {
        QTest::addColumn<int>("dialogKind");
        QTest::addColumn<int>("edit");
        QTest::newRow("Enter Password") << 0 << 1056;
        QTest::newRow("Change Password, new") << 1 << 1075;
        QTest::newRow("Change Password, confirmation") << 1 << 1076;
        QTest::newRow("Choose Other, password") << 2 << 1055;
        QTest::newRow("Choose Other, address") << 2 << 1054;
    }
    void passwordEditsRefuseWhatWindows1252CannotHold() {
        QFETCH(int, dialogKind);
        QFETCH(int, edit);
        QString typed;
        QString tip;
        OnNextModal([&](QDialog& dialog) {
            TypeInto(&dialog, edit, QStringLiteral("p\u00E4\u20ACss\u0100"));
            typed = TextOf(&dialog, edit);
            tip = QToolTip::isVisible() ? QToolTip::text() : QString();
            ClickControl(&dialog, kCancel);
        });
        std::string password;
        std::string address;
        if (dialogKind == 0) {
            EnterPasswordDialog(nullptr).Run(password);
        } else if (dialogKind == 1) {
            ChangePasswordDialog(nullptr).Run(password);
        } else {
            ChooseOtherDialog(nullptr).Run(address, password);
        }
        QCOMPARE(typed, QStringLiteral("p\u00E4\u20ACss"));
        QVERIFY2(tip.contains(QStringLiteral("\"\u0100\" cannot be used")), qPrintable(tip));
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
