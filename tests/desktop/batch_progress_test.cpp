// SPDX-License-Identifier: Apache-2.0
// The window of a batch of stations: it hears of the batch's threads on its own thread, in order, shows each
// station's state and why one failed, cancels on Escape while the batch runs and closes on Enter after.
#include "config/config_record.h"
#include "config/status_codes.h"
#include "desktop/batch_progress_dialog.h"
#include "desktop/station_batches.h"
#include "gui_test_case.h"
#include "mock_peer.h"
#include "modal_driver.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

namespace corvane {

using namespace testing;

namespace {

std::vector<std::shared_ptr<ConfigRecord>> Stations(std::initializer_list<const char*> names) {
    std::vector<std::shared_ptr<ConfigRecord>> stations;
    std::uint32_t address = 0x0A000102;
    for (const char* name : names) {
        auto record = std::make_shared<ConfigRecord>();
        record->syNm = name;
        record->stationAddress = address++;
        stations.push_back(std::move(record));
    }
    return stations;
}

// Once the next batch window's batch has finished: the state of each station into `states`, then `close`.
void OnBatchEnd(QStringList& states, std::function<void(BatchProgressDialog&)> close) {
    OnNextModal([&states, close](QDialog& dialog) {
        auto& batch = static_cast<BatchProgressDialog&>(dialog);
        QVERIFY(QTest::qWaitFor([&] { return batch.Finished(); }));
        for (std::size_t row = 0; row < batch.States().size(); ++row) {
            states << batch.StateText(row);
        }
        close(batch);
    });
}

} // namespace

class BatchProgressTest : public testing::GuiTestCase {
    Q_OBJECT

private slots:
    // Each station ends with its body's status: the one refused shows the wrong-password message with its
    // code, the others are done, and each done one is told to the window's thread.
    void eachStationShowsHowItWent() {
        const auto stations = Stations({"Front", "Back", "Side"});
        std::vector<std::size_t> done;
        const QThread* windowThread = QThread::currentThread();
        bool doneOnWindowThread = true;
        QStringList states;
        QString summary;
        OnBatchEnd(states, [&summary](BatchProgressDialog& batch) {
            summary = batch.Summary();
            QTest::keyClick(&batch, Qt::Key_Return); // Close is the default once the batch has finished
        });
        RunStationBatch(
            "Restarting", stations,
            [](OperationContext& context) {
                return context.record.syNm == "Back" ? session_status::kWrongPassword : 0;
            },
            {}, {}, nullptr,
            [&](std::size_t station) {
                done.push_back(station);
                doneOnWindowThread = doneOnWindowThread && QThread::currentThread() == windowThread;
            });
        QCOMPARE(states[0], QStringLiteral("Done"));
        QCOMPARE(states[1],
                 QStringLiteral("Failed: The password entered does not match that of the base "
                                "station. Make sure the password is correct and try again. (-16)"));
        QCOMPARE(states[2], QStringLiteral("Done"));
        QCOMPARE(summary, QStringLiteral("2 done, 1 failed, 0 not begun"));
        std::ranges::sort(done);
        QCOMPARE(done, (std::vector<std::size_t>{0, 2}));
        QVERIFY(doneOnWindowThread);
    }

    // New software that keeps the first station from coming back would do the same to the others: they are
    // never begun. A station that did not come back says so.
    void noStationBeginsAfterOneThatDidNotComeBack() {
        DatagramPeer silent; // asked, never answering
        const auto stations = Stations({"First", "Second", "Third"});
        for (const auto& station : stations) {
            station->stationAddress = 0x7F000001;
        }
        std::atomic<int> uploads{0};
        QStringList states;
        OnBatchEnd(states, [](BatchProgressDialog& batch) { batch.accept(); });
        const OperationBody upload = [&uploads](OperationContext&) {
            ++uploads;
            return 0;
        };
        RunStationBatch("Updating", stations,
                        UploadAndComeBack(upload, silent.Port(), std::chrono::milliseconds(200)), {},
                        {true, GoesOnAfterUpload}, nullptr);
        QCOMPARE(uploads.load(), 1);
        QCOMPARE(states[0],
                 QStringLiteral("Failed: The base station did not come back within 60 seconds of its "
                                "restart."));
        QCOMPARE(states[1], QStringLiteral("Not begun"));
        QCOMPARE(states[2], QStringLiteral("Not begun"));
    }

    // Escape while the batch runs is Cancel: the running station is aborted, the window stays to show the
    // end; once finished, Escape closes it.
    void escapeCancelsWhileRunningAndClosesAfter() {
        BatchProgressDialog dialog("Restarting", {{"Front", "10.0.1.2"}, {"Back", "10.0.1.3"}});
        QSignalSpy cancels(&dialog, &BatchProgressDialog::cancelRequested);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(cancels.count(), 1);
        QVERIFY(dialog.isVisible());
        QVERIFY(!dialog.findChild<QPushButton*>("batchCancel")->isEnabled());

        dialog.ShowState(0, BatchState::kFailed, BatchFailureText(runner_status::kCancelled));
        dialog.ShowState(1, BatchState::kNotBegun);
        dialog.ShowFinished();
        QCOMPARE(dialog.StateText(0), QStringLiteral("Failed: Cancelled"));
        QCOMPARE(dialog.findChild<QLabel*>("batchChosenState")->text(),
                 QStringLiteral("Front: Failed: Cancelled"));
        QCOMPARE(dialog.Summary(), QStringLiteral("0 done, 1 failed, 1 not begun"));
        QVERIFY(dialog.findChild<QPushButton*>("batchClose")->isDefault());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(cancels.count(), 1);
    }
};

} // namespace corvane

QTEST_MAIN(corvane::BatchProgressTest)
#include "batch_progress_test.moc"
