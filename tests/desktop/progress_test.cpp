// SPDX-License-Identifier: Apache-2.0
#include "config/config_record.h"
#include "config/status_codes.h"
#include "desktop/progress_dialog.h"
#include "desktop/qt_operation_ui.h"
#include "gui_test_case.h"
#include "mock_peer.h"
#include "modal_driver.h"
#include "protocol/net_socket.h"
#include "protocol/socket_cell.h"
#include "runner/operation_runner.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/progress_controls.h"
#include "strings/ids/string_ids.h"
#include "strings/string_table.h"
#include "widgets/control_binding.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <atomic>
#include <thread>

namespace corvane {

using namespace testing;
using namespace std::chrono_literals;

class ProgressTest : public testing::GuiTestCase {
    Q_OBJECT

private slots:
    void showsItsTextBesideABusyWheelWithCancel_data() {
        QTest::addColumn<unsigned>("textId"); // a StringId, or 0 for the template's own text
        QTest::addColumn<bool>("disableCancel");
        QTest::addColumn<QString>("text");
        QTest::newRow("reading") << unsigned(kStrProgressReading) << false
                                 << "Reading configuration from base station...";
        QTest::newRow("uploading") << unsigned(kStrProgressUploading) << false
                                   << "Updating base station software...";
        QTest::newRow("template text") << 0u << false << "Waiting for Base Station...";
        QTest::newRow("Cancel disabled")
            << unsigned(kStrProgressRestarting) << true << "Restarting base station...";
    }
    void showsItsTextBesideABusyWheelWithCancel() {
        QFETCH(unsigned, textId);
        QFETCH(bool, disableCancel);
        QFETCH(QString, text);
        ProgressDialog progress({StringId(textId), disableCancel});
        OnNextModal([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Progress"));
            QCOMPARE(TextOf(&dialog, progress::kText), text);
            QCOMPARE(TextOf(&dialog, kCancel), QStringLiteral("Cancel"));
            QCOMPARE(GetControl(&dialog, kCancel)->isEnabled(), !disableCancel);
            QVERIFY(dialog.findChild<QWidget*>(QStringLiteral("busy"))->isVisible());
            dialog.reject();
        });
        QCOMPARE(progress.RunModal(), int(kCancel));
    }

    void completionAndCancelEndTheDialogOnceWhicheverComesFirst_data() {
        QTest::addColumn<bool>("cancelFirst");
        QTest::addColumn<int>("result");
        QTest::newRow("Cancel, then completion") << true << int(kCancel);
        QTest::newRow("completion, then Cancel") << false << int(kOk);
    }
    void completionAndCancelEndTheDialogOnceWhicheverComesFirst() {
        QFETCH(bool, cancelFirst);
        QFETCH(int, result);
        ProgressDialog progress({kStrProgressUpdating, false});
        int finished = 0;
        connect(&progress, &QDialog::finished, this, [&] { ++finished; });
        OnNextModal([&](QDialog& dialog) {
            if (cancelFirst) {
                ClickControl(&dialog, kCancel);
                progress.NotifyDone();
            } else {
                progress.NotifyDone();
                ClickControl(&dialog, kCancel);
            }
        });
        QCOMPARE(progress.RunModal(), result);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(finished, 1);
    }

    void completionBeforeInitialisationEndsTheDialogAtOnceWithOne() {
        ProgressDialog progress({kStrProgressReading, false});
        progress.NotifyDone();
        OnNextModal([](QDialog&) {}); // nobody answers: the dialog ends by itself
        QCOMPARE(progress.RunModal(), int(kOk));
    }

    void aQuickOperationShowsOnlyTheWaitCursor() {
        QtOperationUi ui;
        // A delay no busy machine outlasts: the body's return ends the wait, not the clock.
        OperationRunner runner(ui, {}, DefaultSocketCellApi(), std::chrono::hours(1));
        ConfigRecord record;
        QCOMPARE(
            runner.RunOperation(record, {kStrProgressReading, false}, [](OperationContext&) { return 0; }),
            0);
        QVERIFY(QApplication::overrideCursor() == nullptr); // no dialog either: cleanup() would name it
    }

    void completionWhileTheDialogIsUpEndsItWithTheBodysResult() {
        QtOperationUi ui;
        OperationRunner runner(ui, {}, DefaultSocketCellApi(), 1ms);
        ConfigRecord record;
        Event release(Event::ResetMode::Manual);
        OnNextModal([&](QDialog& dialog) {
            QCOMPARE(TextOf(&dialog, progress::kText),
                     QStringLiteral("Updating base station configuration..."));
            release.Set();
        });
        QCOMPARE(runner.RunOperation(record, {kStrProgressUpdating, false},
                                     [&](OperationContext&) {
                                         release.Wait();
                                         return session_status::kWrongPassword;
                                     }),
                 session_status::kWrongPassword);
    }

    void cancelRacingCompletionEndsTheDialogExactlyOnce() {
        QtOperationUi ui;
        OperationRunner runner(ui, {}, DefaultSocketCellApi(), 1ms);
        ConfigRecord record;
        for (int round = 0; round < 20; ++round) {
            Event go(Event::ResetMode::Manual);
            std::thread releaser;
            int ends = 0;
            int dialogResult = 0;
            OnNextModal([&](QDialog& dialog) {
                connect(&dialog, &QDialog::finished, this, [&](int result) {
                    ++ends;
                    dialogResult = result;
                });
                releaser = std::thread([&] { go.Set(); });
                ClickControl(&dialog, kCancel);
            });
            const int result =
                runner.RunOperation(record, {kStrProgressRestarting, false}, [&](OperationContext&) {
                    go.Wait();
                    return 0;
                });
            releaser.join();
            QCoreApplication::sendPostedEvents();
            QCOMPARE(ends, 1);
            QCOMPARE(result, dialogResult == kCancel ? runner_status::kCancelled : 0);
        }
    }

    void cancelWhileTheBodyWaitsOnItsSocketGivesCancelled() {
        MockPeer peer({[](int connection) {
            char byte = 0;
            ReadExactly(connection, &byte, 1);
        }});
        QtOperationUi ui;
        OperationRunner runner(ui, {}, DefaultSocketCellApi(), 1ms);
        ConfigRecord record;
        Event waiting(Event::ResetMode::Manual);
        std::atomic<int> bodyStatus{1};
        OnNextModal([&](QDialog& dialog) {
            waiting.Wait();
            ClickControl(&dialog, kCancel);
        });
        const int result =
            runner.RunOperation(record, {kStrProgressReading, false}, [&](OperationContext& context) {
                NetSocket* socket = context.cell->Current();
                int status = NetSocketConnect(socket, peer.Host().c_str(), 0, 0, 5000);
                waiting.Set();
                if (status == 0) {
                    char reply[4];
                    std::uint32_t received = 0;
                    status = NetSocketReceive(socket, sizeof reply, reply, &received, 0, 0);
                }
                bodyStatus = status;
                return status;
            });
        QCOMPARE(result, runner_status::kCancelled);
        QCOMPARE(bodyStatus.load(), socket_status::kAborted);
    }
};

} // namespace corvane

QTEST_MAIN(corvane::ProgressTest)
#include "progress_test.moc"
