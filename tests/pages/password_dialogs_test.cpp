#include "modal_driver.h"
#include "pages/change_password_dialog.h"
#include "pages/choose_other_dialog.h"
#include "pages/control_binding.h"
#include "pages/enter_password_dialog.h"
#include "resources/string_table.h"

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
        QCOMPARE(TextOf(&other, 1), QStringLiteral("OK"));
        QVERIFY(LabelTexts(&other).contains(
            QStringLiteral("Enter the IP address and password of the other base station:")));
        QVERIFY(LabelTexts(&other).contains(QStringLiteral("IP Address:")));
        QVERIFY(LabelTexts(&enter).contains(QStringLiteral("Enter the base station password:")));
        ChangePasswordDialog change;
        QCOMPARE(change.windowTitle(), QStringLiteral("Change Password"));
        QCOMPARE(TextOf(&change, 1), QStringLiteral("Change"));
        QCOMPARE(TextOf(&change, 2), QStringLiteral("Cancel"));
        QVERIFY(qobject_cast<QPushButton*>(GetControl(&change, 1))->isDefault());
        const QStringList labels = LabelTexts(&change);
        QVERIFY(labels.contains(QStringLiteral("Enter the new password:")));
        QVERIFY(labels.contains(QStringLiteral("New Password:")));
        QVERIFY(labels.contains(QStringLiteral("Confirm:")));
    }

    void enterPasswordAcceptsTheEmptyText() {
        std::string password = "previous";
        OnNextModal([](QDialog& dialog) { ClickControl(&dialog, 1); });
        EnterPasswordDialog dialog;
        QVERIFY(dialog.Run(password));
        QCOMPARE(password, std::string());
    }

    void enterPasswordHandsBackWhatWasTyped() {
        std::string password;
        OnNextModal([](QDialog& dialog) {
            TypeInto(&dialog, 1056, QStringLiteral("orchid"));
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
            TypeInto(&dialog, 1075, QStringLiteral("new"));
            TypeInto(&dialog, 1076, QStringLiteral("new"));
            switch (way) {
            case 0:
                ClickControl(&dialog, 2);
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
            TypeInto(&dialog, 1075, entered);
            TypeInto(&dialog, 1076, confirmation);
            OnNextModal([&](QDialog& message) {
                shownMessage = TextOf(&message, 1058);
                ClickControl(&message, 1);
            });
            ClickControl(&dialog, 1);
            // Still open, with both texts as typed.
            QVERIFY(dialog.isVisible());
            QCOMPARE(TextOf(&dialog, 1075), entered);
            QCOMPARE(TextOf(&dialog, 1076), confirmation);
            ClickControl(&dialog, 2);
        });
        ChangePasswordDialog dialog;
        QVERIFY(!dialog.Run(password));
        QCOMPARE(shownMessage, QString::fromUtf8(ResourceString(108).data()));
        QCOMPARE(password, std::string("kept"));
    }

    void changePasswordWithMatchingEntriesPasses() {
        std::string password;
        OnNextModal([](QDialog& dialog) {
            TypeInto(&dialog, 1075, QStringLiteral("Grüße"));
            TypeInto(&dialog, 1076, QStringLiteral("Grüße"));
            ClickControl(&dialog, 1);
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
            ClickControl(&dialog, 2);
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
            TypeInto(&dialog, 1056, QStringLiteral("\u20ACuro\u00DF"));
            ClickControl(&dialog, 1);
        });
        EnterPasswordDialog dialog;
        QVERIFY(dialog.Run(password));
        QCOMPARE(password, std::string("\x80uro\xDF"));
    }

    void chooseOtherReturnsBothTextsUnchanged() {
        std::string address = "old";
        std::string password = "old";
        OnNextModal([](QDialog& dialog) {
            TypeInto(&dialog, 1054, QStringLiteral("station.example:80"));
            TypeInto(&dialog, 1055, QStringLiteral("pw"));
            ClickControl(&dialog, 1);
        });
        ChooseOtherDialog dialog;
        QVERIFY(dialog.Run(address, password));
        QCOMPARE(address, std::string("station.example:80"));
        QCOMPARE(password, std::string("pw"));

        OnNextModal([](QDialog& second) {
            TypeInto(&second, 1054, QStringLiteral("10.0.1.1"));
            ClickControl(&second, 2);
        });
        ChooseOtherDialog cancelled;
        QVERIFY(!cancelled.Run(address, password));
        QCOMPARE(address, std::string("station.example:80"));
    }
};

} // namespace corvane

QTEST_MAIN(corvane::PasswordDialogsTest)
#include "password_dialogs_test.moc"
