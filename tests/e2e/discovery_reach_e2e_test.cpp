// SPDX-License-Identifier: Apache-2.0
// How far one scan reaches, in the private test network with a second network card (privnet.sh
// --second-lan): the stations behind each card, and a whole fleet answering at once.
#include "app/chooser_window.h"
#include "child_process.h"
#include "chooser_driver.h"
#include "gui_test_case.h"
#include "protocol/interface_broadcasts.h"
#include "simulated_fleet.h"

#include <QItemSelectionModel>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <memory>
#include <set>

namespace corvane {

using namespace e2e;

namespace {

constexpr int kFirstLanStations = 3;
constexpr int kSecondLanStations = 2;
constexpr int kFleet = 1000;

// 10.78.16.n, a station of the second LAN.
QString SecondLanAddress(int station) {
    return QStringLiteral("10.78.16.%1").arg(station);
}

int CountOf(const std::string& text, const std::string& word) {
    int count = 0;
    for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        ++count;
    }
    return count;
}

} // namespace

class DiscoveryReachTest : public testing::GuiTestCase {
    Q_OBJECT

protected:
    void EndCase() override { delete chooser_.data(); }

private slots:
    void initTestCase() {
        if (!InPrivateNetwork() || !HasSecondLan()) {
            QSKIP("runs inside scripts/privnet.sh --second-lan only");
        }
    }
    void theLimitedBroadcastReachesOneCardAndTheOtherGetsItsOwn() {
        // The first card is where the limited broadcast leaves: only the second one's network is added.
        QCOMPARE(InterfaceBroadcastAddresses(), std::vector<std::uint32_t>{0x0A4E00FF}); // 10.78.0.255
    }

    void listsTheStationsBehindEachNetworkCard() {
        QTemporaryDir first, second;
        RunningProgram firstLan(SimulatorCommand(kFirstLanStations, first.path()));
        RunningProgram secondLan(SecondLanSimulatorCommand(kSecondLanStations, second.path()));
        QVERIFY2(firstLan.WaitForLine("session port"), firstLan.Output().c_str());
        QVERIFY2(secondLan.WaitForLine("session port"), secondLan.Output().c_str());

        chooser_ = new ChooserWindow();
        chooser_->show();
        std::set<QString> expected;
        for (int station = 1; station <= kFirstLanStations; ++station) {
            expected.insert(StationAddress(station));
        }
        for (int station = 1; station <= kSecondLanStations; ++station) {
            expected.insert(SecondLanAddress(station));
        }
        QTRY_COMPARE_WITH_TIMEOUT(ListedAddresses(*chooser_), expected, kScanWaitMs);

        const Finished scan = RunProgram({CORVANE_CLI_PATH, "discover", "--json"});
        QCOMPARE(scan.exit, 0);
        QCOMPARE(CountOf(scan.out, "\"address\""), kFirstLanStations + kSecondLanStations);
        QVERIFY(scan.out.find(SecondLanAddress(kSecondLanStations).toStdString()) != std::string::npos);
    }

    void aThousandStationsAnsweringAtOnceAreAllListedInOneScan() {
        QTemporaryDir state;
        RunningProgram fleet(SimulatorCommand(kFleet, state.path(), {"--unpaced"}));
        QVERIFY2(fleet.WaitForLine("session port"), fleet.Output().c_str());
        chooser_ = new ChooserWindow();
        chooser_->show();
        QTRY_COMPARE_WITH_TIMEOUT(chooser_->StationList().model()->rowCount(), kFleet, kScanWaitMs);
        QVERIFY(chooser_->StationList().selectionModel()->isRowSelected(0));

        const Finished scan = RunProgram({CORVANE_CLI_PATH, "discover", "--json"});
        QCOMPARE(scan.exit, 0);
        QCOMPARE(CountOf(scan.out, "\"address\""), kFleet);
    }

private:
    QPointer<ChooserWindow> chooser_;
};

} // namespace corvane

QTEST_MAIN(corvane::DiscoveryReachTest)
#include "discovery_reach_e2e_test.moc"
