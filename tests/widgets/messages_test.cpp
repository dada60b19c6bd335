// SPDX-License-Identifier: Apache-2.0
#include "config/status_codes.h"
#include "gui_test_case.h"
#include "modal_driver.h"
#include "resources/icons.h"
#include "strings/factory_defaults.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/error_controls.h"
#include "strings/ids/icon_ids.h"
#include "strings/ids/string_ids.h"
#include "strings/string_table.h"
#include "widgets/control_binding.h"
#include "widgets/messages.h"

#include <QDialog>
#include <QLabel>
#include <QTest>

namespace corvane {

using namespace testing;

namespace {

// What an Error dialog showed.
struct Shown {
    QString title;
    QString message;
    bool codeLineShown = false;
    QString code;
    bool cancelShown = false;
    bool okHasFocus = false;
    QImage icon;
};

// Answers the next modal dialog with the button of `answer` (1 OK, 2 Cancel, 0 the close box) after noting
// it.
void AnswerNext(Shown& shown, int answer) {
    OnNextModal([&shown, answer](QDialog& dialog) {
        shown.title = dialog.windowTitle();
        shown.message = TextOf(&dialog, error::kMessage);
        shown.codeLineShown = IsShown(&dialog, error::kCodeLabel);
        QCOMPARE(IsShown(&dialog, error::kCode), shown.codeLineShown);
        shown.code = TextOf(&dialog, error::kCode);
        shown.cancelShown = IsShown(&dialog, kCancel);
        shown.okHasFocus = dialog.focusWidget() == GetControl(&dialog, kOk);
        QCOMPARE(TextOf(&dialog, error::kCodeLabel), QStringLiteral("Error Code:"));
        QCOMPARE(TextOf(&dialog, kOk), QStringLiteral("OK"));
        QCOMPARE(TextOf(&dialog, kCancel), QStringLiteral("Cancel"));
        shown.icon = qobject_cast<QLabel*>(GetControl(&dialog, error::kIcon))->pixmap().toImage();
        if (answer == 0) {
            dialog.close();
        } else {
            ClickControl(&dialog, answer);
        }
    });
}

QImage IconImage(IconId id, const QImage& like) {
    return ResourceIcon(id).pixmap(like.size()).toImage().convertToFormat(like.format());
}

} // namespace

class MessagesTest : public testing::GuiTestCase {
    Q_OBJECT

private slots:
    void reportStatusFollowsItsTable_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<unsigned>("message");
        QTest::addColumn<QString>("code");
        QTest::newRow("success") << 0 << unsigned(kStrStationAccessError) << QString();
        QTest::newRow("wrong password")
            << session_status::kWrongPassword << unsigned(kStrWrongPassword) << "-16";
        QTest::newRow("out of memory") << file_status::kOutOfMemory << unsigned(kStrOutOfMemory) << "-6731";
        QTest::newRow("wait failed") << runner_status::kWaitFailed << unsigned(kStrStationAccessError)
                                     << "-6740";
        QTest::newRow("socket time-out")
            << socket_status::kTimedOut << unsigned(kStrStationAccessError) << "-4";
        QTest::newRow("station status") << 7 << unsigned(kStrStationAccessError) << "7";
    }
    void reportStatusFollowsItsTable() {
        QFETCH(int, status);
        QFETCH(unsigned, message);
        QFETCH(QString, code);
        Shown shown;
        AnswerNext(shown, 1);
        QCOMPARE(ReportStatus(kStrStationAccessError, status, false), 1);
        QCOMPARE(shown.title, QStringLiteral("Error"));
        QCOMPARE(shown.message, ResourceText(StringId(message)));
        QCOMPARE(shown.codeLineShown, !code.isEmpty());
        if (!code.isEmpty()) {
            QCOMPARE(shown.code, code);
        }
        QVERIFY(!shown.cancelShown);
        QCOMPARE(shown.icon, IconImage(kIconStop, shown.icon));
    }

    void reportingACancelShowsNothing() {
        QCOMPARE(ReportStatus(kStrStationAccessError, runner_status::kCancelled, false), 1);
        QCOMPARE(ReportStatus(kStrStationAccessError, runner_status::kCancelled, true), 1);
    }

    void confirmationsReturnOneOnlyForOk_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("result");
        QTest::newRow("OK") << 1 << 1;
        QTest::newRow("Cancel") << 2 << 2;
        QTest::newRow("close box") << 0 << 2;
    }
    void confirmationsReturnOneOnlyForOk() {
        QFETCH(int, answer);
        QFETCH(int, result);
        Shown shown;
        AnswerNext(shown, answer);
        QCOMPARE(ShowMessage(kStrConfirmRestart, 0, true), result);
        QCOMPARE(shown.message, ResourceText(kStrConfirmRestart));
        QVERIFY(shown.cancelShown);
        QVERIFY(shown.okHasFocus);
        QVERIFY(!shown.codeLineShown);
    }

    void escapeAnswersAConfirmationWithCancel() {
        OnNextModal([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QCOMPARE(ShowMessage(kStrConfirmUpload, 0, true), 2);
    }

    void anUnknownMessageIdStillShowsTheDialog() {
        Shown shown;
        AnswerNext(shown, 1);
        QCOMPARE(ShowMessage(StringId(199), 0, false), 1);
        QCOMPARE(shown.message, QString());
    }

    void equivalentNetworkPasswordShowsTheKeyOnItsOwnLine() {
        Shown shown;
        AnswerNext(shown, 1);
        QCOMPARE(ShowFormattedMessage(kStrEquivalentPasswordCaption, kStrEquivalentPasswordText, false,
                                      "0A1B2C3D4E"),
                 1);
        QCOMPARE(shown.title, QStringLiteral("Equivalent Network Password"));
        QVERIFY(shown.message.startsWith(QStringLiteral("To connect to the Corvane network")));
        QVERIFY(
            shown.message.endsWith(QStringLiteral("equivalent network password: \n\n        0A1B2C3D4E")));
        QVERIFY(!shown.codeLineShown);
        QVERIFY(!shown.cancelShown);
        QCOMPARE(shown.icon, IconImage(kIconNote, shown.icon));
        QVERIFY(shown.icon != IconImage(kIconStop, shown.icon));
    }

    void resetNoticeNamesTheFactorySubnet() {
        Shown shown;
        AnswerNext(shown, 2);
        QCOMPARE(ShowFormattedMessage(kStrNoteCaption, kStrStationReset, true), 2);
        QCOMPARE(shown.title, QStringLiteral("Note"));
        const QString subnet = QString::fromUtf8(kFactoryDefaultSubnet.data(), kFactoryDefaultSubnet.size());
        QVERIFY(
            shown.message.startsWith(QStringLiteral("The base station you have selected has been reset")));
        QVERIFY(shown.message.contains(QStringLiteral("configured for a ") + subnet +
                                       QStringLiteral(".X-compatible IP address so the base station")));
        QVERIFY(shown.cancelShown);
    }
};

} // namespace corvane

QTEST_MAIN(corvane::MessagesTest)
#include "messages_test.moc"
