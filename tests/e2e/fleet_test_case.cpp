// SPDX-License-Identifier: Apache-2.0
#include "fleet_test_case.h"

#include "app/chooser_window.h"
#include "child_process.h"
#include "simulated_fleet.h"

#include <QTest>

namespace corvane::e2e {

FleetTestCase::FleetTestCase(int stations, std::vector<std::string> options)
    : stations_(stations), options_(std::move(options)) {}

FleetTestCase::~FleetTestCase() = default;

void FleetTestCase::initTestCase() {
    if (!InPrivateNetwork()) {
        QSKIP("runs inside scripts/privnet.sh only");
    }
    QVERIFY(stateDir_.isValid());
    PrepareState();
    simulator_ = std::make_unique<RunningProgram>(SimulatorCommand(stations_, stateDir_.path(), options_));
    QVERIFY2(simulator_->WaitForLine("session port"), simulator_->Output().c_str());
    SetUpOnce();
}

void FleetTestCase::cleanupTestCase() {
    simulator_.reset();
}

void ChooserTestCase::init() {
    chooser_ = new ChooserWindow();
    chooser_->show();
}

void ChooserTestCase::EndCase() {
    delete chooser_.data();
    ConfigWindowTestCase::EndCase();
}

} // namespace corvane::e2e
