#include "app/progress_dialog.h"
#include "app/qt_operation_ui.h"
#include "app/runner/operation_runner.h"
#include "config/config_record.h"
#include "mock_peer.h"
#include "modal_driver.h"
#include "pages/control_binding.h"
#include "protocol/net_socket.h"
#include "protocol/socket_cell.h"
#include "resources/string_table.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <atomic>
#include <thread>

namespace corvane {

using namespace testing;
using namespace std::chrono_literals;

class ProgressTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        QVERIFY2(TakeUnexpectedModals().isEmpty(), "a dialog showed that the test did not expect");
    }

    void showsItsTextBesideABusyWheelWithCancel_data() {
        QTest::addColumn<unsigned>("textId");
        QTest::addColumn<bool>("disableCancel");
        QTest::addColumn<QString>("text");
        QTest::newRow("reading") << 137u << false << "Reading configuration from base station...";
        QTest::newRow("uploading") << 140u << false << "Updating base station software...";
        QTest::newRow("template text") << 0u << false << "Waiting for Base Station...";
        QTest::newRow("Cancel disabled") << 139u << true << "Restarting base station...";
    }
    void showsItsTextBesideABusyWheelWithCancel() {
        QFETCH(unsigned, textId);
        QFETCH(bool, disableCancel);
        QFETCH(QString, text);
        ProgressDialog progress({textId, disableCancel});
        OnNextModal([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Progress"));
            QCOMPARE(TextOf(&dialog, 1139), text);
            QCOMPARE(TextOf(&dialog, 2), QStringLiteral("Cancel"));
            QCOMPARE(GetControl(&dialog, 2)->isEnabled(), !disableCancel);
            QVERIFY(dialog.findChild<QWidget*>(QStringLiteral("busy"))->isVisible());
            dialog.reject();
        });
        QCOMPARE(progress.RunModal(), 2);
    }

    void completionAndCancelEndTheDialogOnceWhicheverComesFirst_data() {
        QTest::addColumn<bool>("cancelFirst");
        QTest::addColumn<int>("result");
        QTest::newRow("Cancel, then completion") << true << 2;
        QTest::newRow("completion, then Cancel") << false << 1;
    }
    void completionAndCancelEndTheDialogOnceWhicheverComesFirst() {
        QFETCH(bool, cancelFirst);
        QFETCH(int, result);
        ProgressDialog progress({138, false});
        int finished = 0;
        connect(&progress, &QDialog::finished, this, [&] { ++finished; });
        OnNextModal([&](QDialog& dialog) {
            if (cancelFirst) {
                ClickControl(&dialog, 2);
                progress.NotifyDone();
            } else {
                progress.NotifyDone();
                ClickControl(&dialog, 2);
            }
        });
        QCOMPARE(progress.RunModal(), result);
        QCoreApplication::sendPostedEvents();
        QCOMPARE(finished, 1);
    }

    void completionBeforeInitialisationEndsTheDialogAtOnceWithOne() {
        ProgressDialog progress({137, false});
        progress.NotifyDone();
        OnNextModal([](QDialog&) {}); // nobody answers: the dialog ends by itself
        QCOMPARE(progress.RunModal(), 1);
    }

    void aQuickOperationShowsOnlyTheWaitCursor() {
        QtOperationUi ui;
        OperationRunner runner(ui, {});
        ConfigRecord record;
        QCOMPARE(runner.RunOperation(record, {137, false}, [](OperationContext&) { return 0; }), 0);
        QVERIFY(QApplication::overrideCursor() == nullptr); // no dialog either: cleanup() would name it
    }

    void completionWhileTheDialogIsUpEndsItWithTheBodysResult() {
        QtOperationUi ui;
        OperationRunner runner(ui, {}, DefaultSocketCellApi(), 1ms);
        ConfigRecord record;
        Event release(Event::ResetMode::Manual);
        OnNextModal([&](QDialog& dialog) {
            QCOMPARE(TextOf(&dialog, 1139), QStringLiteral("Updating base station configuration..."));
            release.Set();
        });
        QCOMPARE(runner.RunOperation(record, {138, false},
                                     [&](OperationContext&) {
                                         release.Wait();
                                         return -16;
                                     }),
                 -16);
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
                ClickControl(&dialog, 2);
            });
            const int result = runner.RunOperation(record, {139, false}, [&](OperationContext&) {
                go.Wait();
                return 0;
            });
            releaser.join();
            QCoreApplication::sendPostedEvents();
            QCOMPARE(ends, 1);
            QCOMPARE(result, dialogResult == 2 ? -6725 : 0);
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
            ClickControl(&dialog, 2);
        });
        const int result = runner.RunOperation(record, {137, false}, [&](OperationContext& context) {
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
        QCOMPARE(result, -6725);
        QCOMPARE(bodyStatus.load(), -5);
    }
};

} // namespace corvane

QTEST_MAIN(corvane::ProgressTest)
#include "progress_test.moc"
