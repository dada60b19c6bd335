// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "app/chooser_window.h"
#include "config_windows.h"
#include "configwindow/config_window.h"
#include "desktop/qt_operation_ui.h"
#include "runner/operation_runner.h"

#include <QPointer>
#include <QTemporaryDir>
#include <chrono>
#include <ctime>
#include <memory>

namespace corvane::sim::test {
class RunningFleet;
}

namespace corvane::testing {

// Stations of the loopback fleet, by their 1-based index.
enum FleetStation : std::uint32_t {
    kPlainStation = 1,
    kSecondStation = 2,
    kResetStation = 3,  // answers discovery with the reset flag
    kHiddenStation = 4, // never answers discovery
    kFleetSize = kHiddenStation,
};
constexpr int kListedStations = 3;
// How long a test waits for a scan's answers: what a busy machine may need, never a goal.
constexpr int kScanWaitMs = 30000;
// A chooser's discovery that asks `target`:`port` on loopback. A pass waits the program's own time for one
// more answer: on a busy machine a loopback answer can take as long as any.
ChooserSetup LoopbackDiscovery(std::uint16_t port, const std::string& target = "127.0.0.1");

// A simulated fleet on loopback and a chooser that finds it there: no datagram leaves the loopback interface.
// The countdown's clock is the test's to move.
class ChooserHost {
public:
    // `bodies` replaces the real exchanges when given.
    explicit ChooserHost(std::uint32_t restartMs = 60000,
                         std::optional<OperationBodies> bodies = std::nullopt,
                         std::chrono::milliseconds dialogDelay = OperationRunner::kDialogDelay);
    ~ChooserHost();

    ChooserWindow& chooser() { return *chooser_; }
    // Whether fleet station N is restarting (it stays down for the whole test by default).
    bool StationIsDown(std::uint32_t station);
    std::time_t& now() { return now_; }
    // Waits until the first scan has listed every answering station.
    bool WaitForStations();
    void SelectRow(int row);
    QString RowText(int row, int column) const;
    // "127.0.0.N" of station N.
    static std::string StationAddress(std::uint32_t station);

private:
    QTemporaryDir stateDir_;
    std::unique_ptr<sim::test::RunningFleet> fleet_;
    QtOperationUi ui_;
    std::unique_ptr<OperationRunner> runner_;
    std::time_t now_ = 1'000'000'000;
    QPointer<ChooserWindow> chooser_;
};

} // namespace corvane::testing
