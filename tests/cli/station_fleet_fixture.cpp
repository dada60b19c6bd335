// SPDX-License-Identifier: Apache-2.0
#include "station_fleet_fixture.h"

#include <chrono>
#include <string>
#include <thread>

namespace corvane::cli::test {

QStringList StationFleetTest::Hosts(const sim::test::RunningFleet& running) const {
    QStringList hosts;
    for (std::uint32_t n = 1; n <= stations_; ++n) {
        hosts << QString::fromStdString(running.SessionHost(n));
    }
    return hosts;
}

std::filesystem::file_time_type StationFleetTest::Written(std::uint32_t n) const {
    return std::filesystem::last_write_time(stateDir_ / ("station-127.0.0." + std::to_string(n) + ".cfg"));
}

void StationFleetTest::AwaitEveryStation(sim::test::RunningFleet& running) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    for (std::uint32_t i = 0; i < stations_ && std::chrono::steady_clock::now() < deadline; ++i) {
        while (running.fleet().StationAt(i).IsDown() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
}

} // namespace corvane::cli::test
