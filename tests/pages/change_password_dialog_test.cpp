// SPDX-License-Identifier: Apache-2.0
#include "gui_test_case.h"
#include "modal_driver.h"
#include "pages/change_password_dialog.h"
#include "station_text_refusal.h"
#include "strings/ids/change_password_controls.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/error_controls.h"
#include "strings/ids/string_ids.h"
#include "strings/string_table.h"
#include "widgets/control_binding.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>

namespace corvane {

using namespace testing;

class ChangePasswordDialogTest : public testing::GuiTestCase {
    Q_OBJECT

private slots:
    void templateShowsItsTexts() {
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
        QTest::addColumn<int>("edit");
        QTest::newRow("new") << int(change_password::kNewPassword);
        QTest::newRow("confirmation") << int(change_password::kConfirmation);
    }
    void passwordEditsRefuseWhatWindows1252CannotHold() {
        QFETCH(int, edit);
        StationTextRefusal refusal;
        TypeUnholdableTextIntoNextModal(edit, refusal);
        std::string password;
        ChangePasswordDialog(nullptr).Run(password);
        CheckRefusal(refusal);
    }
};

} // namespace corvane

QTEST_MAIN(corvane::ChangePasswordDialogTest)
#include "change_password_dialog_test.moc"
