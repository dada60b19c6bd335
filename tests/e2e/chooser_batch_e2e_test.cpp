// SPDX-License-Identifier: Apache-2.0
// Commands on several stations at once from the chooser, against five simulated stations in the private test
// network: the selected ones restart and only they, backups land under the names `corvane backup` gives, a
// station with another password fails alone, and Cancel leaves the stations not begun untouched.
#include "app/chooser_window.h"
#include "chooser_driver.h"
#include "config/config_record.h"
#include "desktop/batch_progress_dialog.h"
#include "desktop/configuration_file.h"
#include "fleet_test_case.h"
#include "modal_driver.h"
#include "protocol/discovery.h"
#include "protocol/socket_cell.h"
#include "protocol/unicast_discovery.h"
#include "resources/main_menu.h"
#include "simulated_fleet.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/error_controls.h"
#include "strings/ids/menu_commands.h"
#include "widgets/file_dialog.h"

#include <QAction>
#include <QDir>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace corvane {

using namespace testing;
using namespace e2e;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kStations = 5;
constexpr int kOtherPassword = 4; // this station's password is not "orchid"
// A batch's restarts and uploads, each station back in two seconds, and what a busy machine adds.
constexpr int kBatchWaitMs = 120000;

// The station's discovery answer, asked of it alone; with `restartedSince`, only one that shows a restart
// since then. Nothing when none came within the scan wait.
std::optional<ConfigRecord> AskStationAlone(int station, std::optional<Clock::time_point> restartedSince) {
    SocketCell* cell = nullptr;
    if (OpenSocketCell(kCellDatagram, 0, &cell) != 0) {
        return std::nullopt;
    }
    const OwnedSocketCell owned(cell);
    ConfigRecord answer;
    const int status = AskStation(cell, StationNumber(station), kDiscoveryPort, restartedSince, answer,
                                  Clock::now() + std::chrono::milliseconds(kScanWaitMs));
    return status == 0 ? std::optional(answer) : std::nullopt;
}

// Whether the station has restarted since `since`: its up-time is shorter than the time since.
bool RestartedSince(int station, Clock::time_point since) {
    const Clock::time_point asked = Clock::now();
    const std::optional<ConfigRecord> answer = AskStationAlone(station, std::nullopt);
    return answer && std::chrono::milliseconds(std::int64_t(answer->uptimeTicks) * 10) < asked - since;
}

// What the batch's window showed once its batch had finished.
struct BatchSeen {
    QString title;
    QStringList states;
    QString summary;
};

// Watches the next batch window: runs `during` on it while its batch runs, waits for the batch to finish,
// notes what it shows and presses Close.
void OnBatchWindow(BatchSeen& seen, std::function<void(BatchProgressDialog&)> during = {}) {
    OnNextModal([&seen, during](QDialog& dialog) {
        auto* batch = qobject_cast<BatchProgressDialog*>(&dialog);
        if (batch == nullptr) {
            dialog.reject();
            return;
        }
        seen.title = batch->windowTitle();
        if (during) {
            during(*batch);
        }
        if (!QTest::qWaitFor([batch] { return batch->Finished(); }, kBatchWaitMs)) {
            // Ends the batch, so that the test fails on what the window shows instead of hanging.
            batch->reject();
            static_cast<void>(QTest::qWaitFor([batch] { return batch->Finished(); }, kBatchWaitMs));
        }
        for (std::size_t row = 0; row < batch->States().size(); ++row) {
            seen.states << batch->StateText(row);
        }
        seen.summary = batch->Summary();
        batch->findChild<QPushButton*>(QStringLiteral("batchClose"))->click();
    });
}

// Waits until the batch's first station works.
bool FirstIsWorking(const BatchProgressDialog& batch) {
    return QTest::qWaitFor([&batch] { return batch.StateText(0) == QStringLiteral("Working..."); },
                           kBatchWaitMs);
}

// Answers the confirmation, noting its text.
void Confirm(QString& text) {
    OnNextModal([&text](QDialog& dialog) {
        text = TextOf(&dialog, error::kMessage);
        ClickControl(&dialog, kOk);
    });
}

} // namespace

class ChooserBatchTest : public ChooserTestCase {
    Q_OBJECT

public:
    ChooserBatchTest() : ChooserTestCase(kStations) {}

protected:
    void PrepareState() override {
        ConfigRecord other;
        other.syNm = "Elsewhere";
        other.syPW = "not orchid";
        QVERIFY(WriteConfigurationFile(StatePath(stateDir_.path(), kOtherPassword), other));
    }

private:
    // Selects the stations as a user does: a click on the first, Ctrl and a click on each other.
    void SelectStations(const std::vector<int>& stations) {
        QTreeView& list = chooser_->StationList();
        for (int station : stations) {
            QVERIFY(WaitForStation(*chooser_, station));
        }
        bool first = true;
        for (int station : stations) {
            const QRect row = list.visualRect(list.model()->index(RowOf(*chooser_, station), 0));
            QTest::mouseClick(list.viewport(), Qt::LeftButton, first ? Qt::NoModifier : Qt::ControlModifier,
                              row.center());
            first = false;
        }
        QCOMPARE(chooser_->GetSelectedStations().size(), stations.size());
    }

    void RunCommand(int command) { FindMenuCommand(&chooser_->MenuBar(), command)->trigger(); }

    // Runs a command that asks for confirmation and the password ("orchid"): the question it asked and what
    // its batch window showed; `during` runs on the window while the batch runs.
    BatchSeen RunConfirmedCommand(int command, QString& question,
                                  std::function<void(BatchProgressDialog&)> during = {}) {
        BatchSeen seen;
        Confirm(question);
        AnswerPassword(QStringLiteral("orchid"));
        OnBatchWindow(seen, std::move(during));
        RunCommand(command);
        return seen;
    }

private slots:
    void restartRestartsTheSelectedStationsOnly() {
        SelectStations({1, 2, 3});
        QVERIFY(!chooser_->findChild<QWidget*>(QStringLiteral("selectionCount"))->isHidden());
        std::map<int, int> rows; // the countdown takes the address column's place
        for (int station = 1; station <= kStations; ++station) {
            rows[station] = RowOf(*chooser_, station);
        }
        const Clock::time_point before = Clock::now();
        QString question;
        const BatchSeen seen = RunConfirmedCommand(kMenuRestart, question);

        QVERIFY(question.endsWith(QStringLiteral("Restart 3 base stations?")));
        QCOMPARE(seen.title, QStringLiteral("Restarting Base Stations"));
        QCOMPARE(seen.states, QStringList(3, QStringLiteral("Done")));
        QCOMPARE(seen.summary, QStringLiteral("3 done, 0 failed, 0 not begun"));
        for (int station : {1, 2, 3}) {
            QTRY_VERIFY(CountdownStarted(*chooser_, rows[station]));
            QVERIFY2(AskStationAlone(station, before), qPrintable(StationAddress(station)));
        }
        for (int station : {4, 5}) {
            QVERIFY(!CountdownStarted(*chooser_, rows[station]));
            QVERIFY2(!RestartedSince(station, before), qPrintable(StationAddress(station)));
        }
        QVERIFY(TakeUnexpectedModals().isEmpty());
    }

    void backUpSavesEachSelectedConfigurationUnderItsBackupName() {
        SelectStations({1, 2, 5});
        QTemporaryDir folder;
        FileDialogRequest::Kind asked = FileDialogRequest::Kind::Open;
        SetFileDialogHook([&](const FileDialogRequest& request) -> std::optional<QString> {
            asked = request.kind;
            return folder.path();
        });
        BatchSeen seen;
        AnswerPassword(QStringLiteral("orchid"));
        OnBatchWindow(seen);
        RunCommand(kMenuBackUpConfigurations);
        SetFileDialogHook({});

        QVERIFY(asked == FileDialogRequest::Kind::Folder);
        QCOMPARE(seen.summary, QStringLiteral("3 done, 0 failed, 0 not begun"));
        const QStringList files = QDir(folder.path()).entryList(QDir::Files, QDir::Name);
        QCOMPARE(files.size(), 3);
        for (const QString& file : files) {
            ConfigRecord saved;
            QVERIFY2(ReadConfigurationFile(QDir(folder.path()).filePath(file), saved), qPrintable(file));
            QVERIFY2(file.startsWith(QStringLiteral("Base_Station_")), qPrintable(file));
            QVERIFY(file.startsWith(QString::fromStdString(saved.syNm).replace(QLatin1Char(' '), '_')));
        }
        QVERIFY(!chooser_->CountdownRunning()); // a backup restarts nothing
    }

    void aStationWithAnotherPasswordFailsAlone() {
        SelectStations({3, kOtherPassword, 5});
        const int otherRow = RowOf(*chooser_, kOtherPassword);
        QString question;
        const BatchSeen seen = RunConfirmedCommand(kMenuRestart, question);

        QCOMPARE(seen.states.size(), 3);
        const int failed = int(seen.states.indexOf(QRegularExpression(QStringLiteral("^Failed: .*"))));
        QVERIFY(failed >= 0);
        QVERIFY2(
            seen.states[failed].startsWith(QStringLiteral("Failed: The password entered does not match")),
            qPrintable(seen.states[failed]));
        QVERIFY(seen.states[failed].endsWith(QStringLiteral("(-16)")));
        QCOMPARE(seen.states.count(QStringLiteral("Done")), 2);
        QCOMPARE(seen.summary, QStringLiteral("2 done, 1 failed, 0 not begun"));
        QTRY_VERIFY(chooser_->CountdownRunning());
        QCOMPARE(RowText(*chooser_, otherRow, 1), StationAddress(kOtherPassword));
    }

    // The first station takes the software alone and comes back before the others have theirs.
    void softwareGoesToTheFirstStationAloneThenTheRest() {
        SelectStations({1, 2, 3});
        const Clock::time_point before = Clock::now();
        QString question;
        const BatchSeen seen =
            RunConfirmedCommand(kMenuUploadDefaultSoftware, question, [](BatchProgressDialog& batch) {
                QVERIFY(FirstIsWorking(batch));
                QCOMPARE(batch.StateText(1), QStringLiteral("Waiting"));
            });

        QVERIFY(question.endsWith(QStringLiteral("Upload software to 3 base stations?")));
        QCOMPARE(seen.states, QStringList(3, QStringLiteral("Done")));
        for (int station : {1, 2, 3}) {
            QVERIFY(AskStationAlone(station, before));
        }
    }

    // Cancel while the first station works: it is aborted, the others never begin and stay as they were.
    void cancelLeavesTheStationsNotBegunUntouched() {
        SelectStations({1, 2, 3});
        const std::vector<int> order = {1, 2, 3};
        std::vector<int> rows;
        for (int station : order) {
            rows.push_back(RowOf(*chooser_, station));
        }
        const Clock::time_point before = Clock::now();
        QString question;
        const BatchSeen seen =
            RunConfirmedCommand(kMenuUploadDefaultSoftware, question, [](BatchProgressDialog& batch) {
                QVERIFY(FirstIsWorking(batch));
                batch.findChild<QPushButton*>(QStringLiteral("batchCancel"))->click();
            });

        QCOMPARE(seen.states.size(), 3);
        QCOMPARE(seen.states[1], QStringLiteral("Not begun"));
        QCOMPARE(seen.states[2], QStringLiteral("Not begun"));
        QVERIFY(seen.summary.endsWith(QStringLiteral("2 not begun")));
        // The ones not begun are those after the first in list order.
        for (std::size_t i = 0; i < order.size(); ++i) {
            if (rows[i] != *std::ranges::min_element(rows)) {
                QVERIFY2(!RestartedSince(order[i], before), qPrintable(StationAddress(order[i])));
                QCOMPARE(RowText(*chooser_, rows[i], 1), StationAddress(order[i]));
            }
        }
    }
};

} // namespace corvane

QTEST_MAIN(corvane::ChooserBatchTest)
#include "chooser_batch_e2e_test.moc"
