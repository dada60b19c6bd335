#include "app/messages.h"
#include "modal_driver.h"
#include "pages/control_binding.h"
#include "resources/factory_defaults.h"
#include "resources/icons.h"
#include "resources/string_table.h"

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
        shown.message = TextOf(&dialog, 1058);
        shown.codeLineShown = IsShown(&dialog, 1077);
        QCOMPARE(IsShown(&dialog, 1059), shown.codeLineShown);
        shown.code = TextOf(&dialog, 1059);
        shown.cancelShown = IsShown(&dialog, 2);
        shown.okHasFocus = dialog.focusWidget() == GetControl(&dialog, 1);
        QCOMPARE(TextOf(&dialog, 1077), QStringLiteral("Error Code:"));
        QCOMPARE(TextOf(&dialog, 1), QStringLiteral("OK"));
        QCOMPARE(TextOf(&dialog, 2), QStringLiteral("Cancel"));
        shown.icon = qobject_cast<QLabel*>(GetControl(&dialog, 1141))->pixmap().toImage();
        if (answer == 0) {
            dialog.close();
        } else {
            ClickControl(&dialog, answer);
        }
    });
}

QImage IconImage(unsigned id, const QImage& like) {
    return ResourceIcon(id).pixmap(like.size()).toImage().convertToFormat(like.format());
}

} // namespace

class MessagesTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        QVERIFY2(TakeUnexpectedModals().isEmpty(), "a dialog showed that the test did not expect");
    }

    void reportStatusFollowsItsTable_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<unsigned>("message");
        QTest::addColumn<QString>("code");
        QTest::newRow("success") << 0 << 134u << QString();
        QTest::newRow("wrong password") << -16 << 135u << "-16";
        QTest::newRow("out of memory") << -6731 << 136u << "-6731";
        QTest::newRow("wait failed") << -6740 << 134u << "-6740";
        QTest::newRow("socket time-out") << -4 << 134u << "-4";
        QTest::newRow("station status") << 7 << 134u << "7";
    }
    void reportStatusFollowsItsTable() {
        QFETCH(int, status);
        QFETCH(unsigned, message);
        QFETCH(QString, code);
        Shown shown;
        AnswerNext(shown, 1);
        QCOMPARE(ReportStatus(134, status, false), 1);
        QCOMPARE(shown.title, QStringLiteral("Error"));
        QCOMPARE(shown.message, ResourceText(message));
        QCOMPARE(shown.codeLineShown, !code.isEmpty());
        if (!code.isEmpty()) {
            QCOMPARE(shown.code, code);
        }
        QVERIFY(!shown.cancelShown);
        QCOMPARE(shown.icon, IconImage(129, shown.icon));
    }

    void reportingACancelShowsNothing() {
        QCOMPARE(ReportStatus(134, -6725, false), 1);
        QCOMPARE(ReportStatus(134, -6725, true), 1);
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
        QCOMPARE(ShowMessage(143, 0, true), result);
        QCOMPARE(shown.message, ResourceText(143));
        QVERIFY(shown.cancelShown);
        QVERIFY(shown.okHasFocus);
        QVERIFY(!shown.codeLineShown);
    }

    void escapeAnswersAConfirmationWithCancel() {
        OnNextModal([](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
        QCOMPARE(ShowMessage(144, 0, true), 2);
    }

    void anUnknownMessageIdStillShowsTheDialog() {
        Shown shown;
        AnswerNext(shown, 1);
        QCOMPARE(ShowMessage(199, 0, false), 1);
        QCOMPARE(shown.message, QString());
    }

    void equivalentNetworkPasswordShowsTheKeyOnItsOwnLine() {
        Shown shown;
        AnswerNext(shown, 1);
        QCOMPARE(ShowFormattedMessage(152, 151, false, "0A1B2C3D4E"), 1);
        QCOMPARE(shown.title, QStringLiteral("Equivalent Network Password"));
        QVERIFY(shown.message.startsWith(QStringLiteral("To connect to the Corvane network")));
        QVERIFY(
            shown.message.endsWith(QStringLiteral("equivalent network password: \n\n        0A1B2C3D4E")));
        QVERIFY(!shown.codeLineShown);
        QVERIFY(!shown.cancelShown);
        QCOMPARE(shown.icon, IconImage(154, shown.icon));
        QVERIFY(shown.icon != IconImage(129, shown.icon));
    }

    void resetNoticeNamesTheFactorySubnet() {
        Shown shown;
        AnswerNext(shown, 2);
        QCOMPARE(ShowFormattedMessage(156, 158, true), 2);
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
