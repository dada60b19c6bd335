// SPDX-License-Identifier: Apache-2.0
// The chooser against a simulated fleet, as the program runs it (offscreen unless a display is chosen), in
// the private test network:
//   quit during a scan                  - destroying the chooser while its scan waits (goal: under 100 ms)
//   10,000 stations answering at once   - listed after one scan, and lost (goal: all listed within 1 s of the
//                                         scan, none lost)
//   with 10,000 listed, each painted    - marking one as restarting, selecting one, scrolling by a page and
//                                         to either end (goal: each within one frame, 16 ms)
//   resident memory with 10,000 listed  - the whole process (goal: under 80 MB)
// usage: bash scripts/privnet.sh -- build/release/bench/chooser_fleet_bench [RUNS]   (root; RUNS default 3)
#include "app/chooser_window.h"
#include "child_process.h"
#include "config/config_record.h"
#include "offscreen.h"
#include "simulated_fleet.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace corvane {
namespace {

using namespace e2e;

constexpr int kFleet = 10000;
// A simulator holds two descriptors per station: the fleet is shared between two of them.
constexpr int kPerSimulator = 5000;
constexpr int kScanMs = 30000; // far more than one scan of two passes takes
constexpr int kActions = 50;   // of each kind, on the listed fleet
constexpr double kFrameMs = 16;

// The process's resident set, from /proc (VmRSS, kB).
double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0;
}

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(values.size() / 2), values.end());
    return values[values.size() / 2];
}

double Elapsed(const QElapsedTimer& clock) {
    return double(clock.nsecsElapsed()) / 1e6;
}

int Listed(const ChooserWindow& chooser) {
    return int(chooser.StationCount());
}

// The chooser's countdown on a clock that stands still, so no countdown ends in a re-scan while measured.
ChooserSetup StillClock() {
    ChooserSetup setup;
    setup.clock = [] { return std::time_t(1'000'000'000); };
    return setup;
}

struct ScanFigures {
    int listed = 0;
    double allListedMs = -1; // from the chooser's start; -1 when some never came
};

// One chooser, from its first scan until the fleet is listed or the scan is surely over.
ScanFigures ScanFleet() {
    ScanFigures figures;
    QElapsedTimer clock;
    clock.start();
    auto* chooser = new ChooserWindow();
    chooser->show();
    if (QTest::qWaitFor([&] { return Listed(*chooser) >= kFleet; }, kScanMs)) {
        figures.allListedMs = Elapsed(clock);
    }
    figures.listed = Listed(*chooser);
    delete chooser;
    return figures;
}

// Destroys a chooser as soon as its scan has had its first answer, when the scan still waits for more.
double QuitDuringScanMs() {
    auto* chooser = new ChooserWindow();
    chooser->show();
    QSignalSpy answers(chooser, &ChooserWindow::stationAnswered);
    answers.wait(kScanMs);
    QElapsedTimer clock;
    clock.start();
    delete chooser;
    return double(clock.nsecsElapsed()) / 1e6;
}

// Each action on the listed chooser, timed until the window is painted again.
std::vector<double> Timed(ChooserWindow& chooser, const std::function<void(int)>& action) {
    std::vector<double> times;
    for (int n = 0; n < kActions; ++n) {
        QElapsedTimer clock;
        clock.start();
        action(n);
        chooser.repaint();
        times.push_back(Elapsed(clock));
    }
    return times;
}

void Report(const char* what, double value, const char* unit, double goal, bool ok) {
    std::printf("%-50s %9.2f %-3s (goal %g %s) %s\n", what, value, unit, goal, unit, ok ? "ok" : "MISSED");
}

void ReportFrame(const char* what, const std::vector<double>& times) {
    const double slowest = *std::max_element(times.begin(), times.end());
    std::printf("%-50s %9.2f ms median, %.2f ms slowest of %zu (goal %g ms) %s\n", what, Median(times),
                slowest, times.size(), kFrameMs, slowest < kFrameMs ? "ok" : "MISSED");
}

// The simulator for stations `first` (1-based) to first + count - 1.
std::vector<std::string> ShareOfFleet(int first, int count, const QString& stateDir) {
    std::vector<std::string> command = SimulatorCommand(count, stateDir, {"--unpaced"});
    const auto option = std::find(command.begin(), command.end(), "--first-address");
    *(option + 1) = StationAddress(first).toStdString();
    return command;
}

} // namespace
} // namespace corvane

int main(int argc, char** argv) {
    using namespace corvane;
    testing::DefaultToOffscreen();
    QApplication application(argc, argv);
    if (!e2e::InPrivateNetwork()) {
        std::fprintf(stderr, "run it inside scripts/privnet.sh: it scans\n");
        return 77;
    }
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QTemporaryDir state;
    std::vector<std::unique_ptr<e2e::RunningProgram>> fleet;
    for (int first = 1; first <= kFleet; first += kPerSimulator) {
        const QString dir = state.filePath(QString::number(first));
        QDir().mkpath(dir);
        fleet.push_back(std::make_unique<e2e::RunningProgram>(ShareOfFleet(first, kPerSimulator, dir)));
        if (!fleet.back()->WaitForLine("session port")) {
            std::fprintf(stderr, "the simulator did not start:\n%s\n", fleet.back()->Output().c_str());
            return 1;
        }
    }

    std::printf("Chooser and %d simulated stations answering unpaced, %d runs\n", kFleet, runs);
    std::vector<double> quits, listTimes;
    int fewest = kFleet;
    for (int run = 0; run < runs; ++run) {
        const ScanFigures scan = ScanFleet();
        fewest = std::min(fewest, scan.listed);
        if (scan.allListedMs >= 0) {
            listTimes.push_back(scan.allListedMs);
        }
        quits.push_back(QuitDuringScanMs());
    }
    // With the list shown: one more chooser, kept until every figure is taken.
    auto* chooser = new ChooserWindow(StillClock());
    chooser->show();
    const bool listed = QTest::qWaitFor([&] { return Listed(*chooser) >= kFleet; }, kScanMs);
    QTest::qWait(kScanMs / 10); // the scan's second pass: its duplicates too are in
    QTreeView& list = chooser->StationList();
    const StationListModel& stations = chooser->Stations();
    std::mt19937 random(7);
    std::uniform_int_distribution<int> anyRow(0, Listed(*chooser) - 1);
    const std::vector<double> marks = Timed(*chooser, [&](int) {
        chooser->MarkRestarting(ConfigRecord(*stations.At(std::size_t(anyRow(random)))));
    });
    const std::vector<double> selections =
        Timed(*chooser, [&](int) { list.setCurrentIndex(stations.index(anyRow(random), 0)); });
    QScrollBar& scroll = *list.verticalScrollBar();
    const std::vector<double> pages =
        Timed(*chooser, [&](int) { scroll.triggerAction(QAbstractSlider::SliderPageStepAdd); });
    const std::vector<double> ends = Timed(*chooser, [&](int n) {
        scroll.triggerAction(n % 2 == 0 ? QAbstractSlider::SliderToMaximum
                                        : QAbstractSlider::SliderToMinimum);
    });
    const double resident = ResidentMegabytes();
    delete chooser;

    Report("quit during a scan, slowest", *std::max_element(quits.begin(), quits.end()), "ms", 100,
           *std::max_element(quits.begin(), quits.end()) < 100);
    Report("quit during a scan, median", Median(quits), "ms", 100, Median(quits) < 100);
    Report("stations listed in one scan, fewest", fewest, "", kFleet, fewest == kFleet);
    Report("stations lost in one scan, most", kFleet - fewest, "", 0, fewest == kFleet);
    if (!listTimes.empty()) {
        Report("all 10,000 listed after the scan began, median", Median(listTimes), "ms", 1000,
               Median(listTimes) < 1000);
        Report("all 10,000 listed after the scan began, slowest",
               *std::max_element(listTimes.begin(), listTimes.end()), "ms", 1000,
               *std::max_element(listTimes.begin(), listTimes.end()) < 1000);
    }
    ReportFrame("mark one of 10,000 as restarting, painted", marks);
    ReportFrame("select one of 10,000, details painted", selections);
    ReportFrame("scroll 10,000 by a page, painted", pages);
    ReportFrame("scroll 10,000 to an end, painted", ends);
    Report("resident memory with 10,000 listed", resident, "MB", 80, listed && resident < 80);
    return fewest == kFleet ? 0 : 1;
}
