// SPDX-License-Identifier: Apache-2.0
#include "chooser_fixture.h"

#include "protocol/dotted_quad.h"
#include "runner/station_bodies.h"
#include "sim_fixture.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QTest>
#include <QTreeView>

namespace corvane::testing {

ChooserSetup LoopbackDiscovery(std::uint16_t port, const std::string& target) {
    ChooserSetup setup;
    setup.discoveryTarget = target;
    setup.discoveryPort = port;
    return setup;
}

ChooserHost::ChooserHost(std::uint32_t restartMs, std::optional<OperationBodies> bodies,
                         std::chrono::milliseconds dialogDelay) {
    sim::SimOptions options;
    options.stationCount = kFleetSize;
    options.firstAddress = 0x7F000001;
    options.discoveryPort = 0;
    options.sessionPort = 0;
    options.restartMs = restartMs;
    options.quiet = true;
    options.resetStations = {kResetStation};
    options.faults = {{kHiddenStation, sim::Fault::DropDiscovery}};
    fleet_ = std::make_unique<sim::test::RunningFleet>(options, stateDir_.path().toStdString());
    runner_ = std::make_unique<OperationRunner>(
        ui_, bodies ? *bodies : StationOperationBodies(fleet_->fleet().SessionPort()), DefaultSocketCellApi(),
        dialogDelay);
    // An address no station owns: the fleet's shared socket answers for every station, as a broadcast would.
    ChooserSetup setup = LoopbackDiscovery(fleet_->fleet().DiscoveryPort(), "127.0.0.250");
    setup.runner = runner_.get();
    setup.clock = [this] { return now_; };
    chooser_ = new ChooserWindow(setup);
    chooser_->show();
}

ChooserHost::~ChooserHost() {
    delete chooser_.data();
    CloseConfigWindows();
}

bool ChooserHost::StationIsDown(std::uint32_t station) {
    return fleet_->fleet().StationAt(station - 1).IsDown();
}

bool ChooserHost::WaitForStations() {
    return QTest::qWaitFor([this] { return chooser_->StationList().model()->rowCount() == kListedStations; },
                           kScanWaitMs);
}

void ChooserHost::SelectRow(int row) {
    QTreeView& list = chooser_->StationList();
    list.clearSelection();
    if (row >= 0) {
        list.selectionModel()->select(list.model()->index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

QString ChooserHost::RowText(int row, int column) const {
    return chooser_->StationList().model()->index(row, column).data().toString();
}

std::string ChooserHost::StationAddress(std::uint32_t station) {
    return FormatDottedQuad(0x7F000000 + station);
}

} // namespace corvane::testing
