// The chooser against a simulated fleet, as the program runs it (offscreen unless a display is chosen), in
// the private test network:
//   quit during a scan                 - destroying the chooser while its scan waits (goal: under 100 ms)
//   1,000 stations answering at once   - listed after one scan, and lost (goal: all listed, none lost)
//   resident memory with 1,000 listed  - the whole process (goal: under 80 MB)
// usage: bash scripts/privnet.sh -- build/release/bench/chooser_fleet_bench [RUNS]   (root; RUNS default 3)
#include "app/chooser_window.h"
#include "child_process.h"
#include "offscreen.h"
#include "simulated_fleet.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace corvane {
namespace {

using namespace e2e;

constexpr int kFleet = 1000;
constexpr int kScanMs = 15000; // far more than one scan of two passes takes

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
    if (QTest::qWaitFor([&] { return chooser->StationList().topLevelItemCount() >= kFleet; }, kScanMs)) {
        figures.allListedMs = double(clock.nsecsElapsed()) / 1e6;
    }
    figures.listed = chooser->StationList().topLevelItemCount();
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

void Report(const char* what, double value, const char* unit, double goal, bool ok) {
    std::printf("%-46s %9.2f %-3s (goal %g %s) %s\n", what, value, unit, goal, unit, ok ? "ok" : "MISSED");
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
    e2e::RunningProgram fleet(e2e::SimulatorCommand(kFleet, state.path(), {"--unpaced"}));
    if (!fleet.WaitForLine("session port")) {
        std::fprintf(stderr, "the simulator did not start:\n%s\n", fleet.Output().c_str());
        return 1;
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
    // Memory with the list shown: one more chooser, kept until the figure is taken.
    auto* chooser = new ChooserWindow();
    chooser->show();
    const bool listed =
        QTest::qWaitFor([&] { return chooser->StationList().topLevelItemCount() >= kFleet; }, kScanMs);
    const double resident = ResidentMegabytes();
    delete chooser;
    Report("quit during a scan, slowest", *std::max_element(quits.begin(), quits.end()), "ms", 100,
           *std::max_element(quits.begin(), quits.end()) < 100);
    Report("quit during a scan, median", Median(quits), "ms", 100, Median(quits) < 100);
    Report("stations listed in one scan, fewest", fewest, "", kFleet, fewest == kFleet);
    Report("stations lost in one scan, most", kFleet - fewest, "", 0, fewest == kFleet);
    if (!listTimes.empty()) {
        Report("all 1,000 listed after the scan began, median", Median(listTimes), "ms", kScanMs, true);
    }
    Report("resident memory with 1,000 listed", resident, "MB", 80, listed && resident < 80);
    return fewest == kFleet ? 0 : 1;
}
