// SPDX-License-Identifier: Apache-2.0
// The desktop utility against corvane-sim as two processes in the private test network: this test is the
// utility (its chooser and windows, offscreen) in the client namespace, broadcasting as the program does; the
// simulator answers from the lan namespace.
#include "app/chooser_window.h"
#include "app/startup.h"
#include "chooser_driver.h"
#include "config/config_file.h"
#include "config_windows.h"
#include "configwindow/config_window.h"
#include "fleet_test_case.h"
#include "modal_driver.h"
#include "simulated_fleet.h"
#include "strings/ids/choose_other_controls.h"
#include "strings/ids/chooser_controls.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/enter_password_controls.h"
#include "strings/ids/error_controls.h"
#include "widgets/control_binding.h"
#include "widgets/file_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <memory>
#include <set>

namespace corvane {

using namespace testing;
using namespace e2e;

namespace {

constexpr int kAnswering = 20;     // stations 1 to 20 answer discovery
constexpr int kResetStation = 20;  // ... the last of them as a reset station
constexpr int kHiddenStation = 21; // and station 21 never answers

void Confirm() {
    OnNextModal([](QDialog& dialog) { ClickControl(&dialog, kOk); });
}

} // namespace

class GuiSimTest : public ChooserTestCase {
    Q_OBJECT

public:
    GuiSimTest()
        : ChooserTestCase(kHiddenStation, {"--reset", std::to_string(kResetStation), "--fault",
                                           std::to_string(kHiddenStation) + ":drop-discovery"}) {}

private slots:
    // Counts what the list shows once every station has answered both passes. The answers themselves are
    // not counted within a scan: on a busy machine one may come after its pass and join the next scan.
    void aFleetOfTwentyIsListedOnceEachAcrossTwoPassesAndARescan() {
        QSignalSpy answers(chooser_, &ChooserWindow::stationAnswered);
        QTRY_COMPARE_WITH_TIMEOUT(Addresses(), AnsweringAddresses(), kScanWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(answers.count() >= 2 * kAnswering, kScanWaitMs);
        QCOMPARE(chooser_->StationList().model()->rowCount(), kAnswering);

        ClickControl(chooser_, chooser::kRescan); // Re-scan
        QCOMPARE(chooser_->StationList().model()->rowCount(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(Addresses(), AnsweringAddresses(), kScanWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(answers.count() >= 4 * kAnswering, kScanWaitMs);
        QCOMPARE(chooser_->StationList().model()->rowCount(), kAnswering);
    }

    void configureReadsWithTheRightPasswordAndRefusesTheWrongOne() {
        WaitForStation(1);
        Select(1);
        AnswerPassword(QStringLiteral("not the password"));
        QString text, code;
        OnNextModal([&](QDialog& dialog) {
            text = TextOf(&dialog, error::kMessage);
            code = TextOf(&dialog, error::kCode);
            ClickControl(&dialog, kOk);
        });
        ClickControl(chooser_, chooser::kConfigure);
        QVERIFY(text.startsWith(QStringLiteral("The password entered does not match")));
        QCOMPARE(code, QStringLiteral("-16"));
        QVERIFY(OpenConfigWindows().isEmpty());

        AnswerPassword(QStringLiteral("orchid"));
        ClickControl(chooser_, chooser::kConfigure);
        QCOMPARE(OpenConfigWindows().size(), 1);
        QCOMPARE(OpenConfigWindows().constFirst()->windowTitle(),
                 QStringLiteral("Configure \"Base Station 1\" Base Station"));
        QVERIFY(GetControl(OpenConfigWindows().constFirst(), 1)->isEnabled());
    }

    void restartCountsDownToAFreshScan() {
        WaitForStation(2);
        const int row = Select(2);
        Confirm();
        AnswerPassword(QStringLiteral("orchid"));
        chooser_->RestartSelectedStation();
        QVERIFY(chooser_->CountdownRunning());
        QTRY_VERIFY(CountdownStarted(row));
        // At 20 seconds the list empties and a new scan finds the station, back from its restart.
        QTRY_VERIFY_WITH_TIMEOUT(!chooser_->CountdownRunning(), kCountdownEndWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(Addresses(), AnsweringAddresses(), kScanWaitMs);
        QCOMPARE(chooser_->StationList().model()->rowCount(), kAnswering);
    }

    void uploadSoftwareFromAFile() {
        WaitForStation(3);
        const int row = Select(3);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("software.bin"));
        QFile image(path);
        QVERIFY(image.open(QIODevice::WriteOnly));
        image.write(QByteArray(300000, '\x3C'));
        image.close();
        SetFileDialogHook([&](const FileDialogRequest&) -> std::optional<QString> { return path; });
        Confirm();
        AnswerPassword(QStringLiteral("orchid"));
        chooser_->UploadSoftwareFile();
        QVERIFY(chooser_->CountdownRunning());
        QTRY_VERIFY(CountdownStarted(row));
    }

    void aResetStationGetsTheDefaultSoftwareAfterTheNote() {
        WaitForStation(kResetStation);
        const int row = Select(kResetStation);
        QString caption;
        OnNextModal([&](QDialog& dialog) {
            caption = dialog.windowTitle();
            ClickControl(&dialog, kOk);
        });
        ClickControl(chooser_, chooser::kConfigure);
        QCOMPARE(caption, QStringLiteral("Note"));
        QVERIFY(chooser_->CountdownRunning());
        QTRY_VERIFY(CountdownStarted(row));
        QVERIFY(OpenConfigWindows().isEmpty());
    }

    void chooseOtherReachesAStationTheListLacks() {
        WaitForStation(1);
        OnNextModal([](QDialog& dialog) {
            TypeInto(&dialog, choose_other::kAddress, StationAddress(kHiddenStation));
            TypeInto(&dialog, choose_other::kPassword, QStringLiteral("orchid"));
            ClickControl(&dialog, kOk);
        });
        ClickControl(chooser_, chooser::kOther);
        QCOMPARE(OpenConfigWindows().size(), 1);
        QCOMPARE(OpenConfigWindows().constFirst()->windowTitle(),
                 QStringLiteral("Configure \"Base Station %1\" Base Station").arg(kHiddenStation));
        // The list itself may change meanwhile (scans and earlier countdowns go on); it never gains this
        // station.
        QVERIFY(!Addresses().contains(StationAddress(kHiddenStation)));
    }

    void twoCommandLineFilesOneUnreadable() {
        delete chooser_.data(); // start-up makes its own
        QTemporaryDir dir;
        ConfigRecord record;
        record.syNm = "Saved";
        std::vector<std::uint8_t> bytes;
        QCOMPARE(WriteConfigFile(record, bytes), 0);
        const QString good = dir.filePath(QStringLiteral("saved.cfg"));
        QFile file(good);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
        file.close();
        QString text;
        OnNextModal([&](QDialog& dialog) {
            text = TextOf(&dialog, error::kMessage);
            ClickControl(&dialog, kOk);
        });
        chooser_ = StartAdminUtility({dir.filePath(QStringLiteral("unreadable.cfg")), good});
        QVERIFY(chooser_ != nullptr);
        QVERIFY(text.startsWith(
            QStringLiteral("An error occurred while trying to read the configuration file.")));
        QCOMPARE(OpenConfigWindows().size(), 1);
        QCOMPARE(OpenConfigWindows().constFirst()->windowTitle(),
                 QStringLiteral("Configure \"Saved\" Base Station"));
        QTRY_VERIFY_WITH_TIMEOUT(chooser_->StationList().model()->rowCount() > 0, kScanWaitMs);
    }

private:
    std::set<QString> Addresses() const { return ListedAddresses(*chooser_); }
    // Stations 1 to 20, not the hidden one.
    static std::set<QString> AnsweringAddresses() {
        std::set<QString> addresses;
        for (int station = 1; station <= kAnswering; ++station) {
            addresses.insert(StationAddress(station));
        }
        return addresses;
    }
    bool CountdownStarted(int row) const { return e2e::CountdownStarted(*chooser_, row); }
    QString RowText(int row, int column) const { return e2e::RowText(*chooser_, row, column); }
    void WaitForStation(int station) { QVERIFY(e2e::WaitForStation(*chooser_, station)); }
    int Select(int station) { return SelectStation(*chooser_, station); }
};

} // namespace corvane

QTEST_MAIN(corvane::GuiSimTest)
#include "gui_sim_e2e_test.moc"
