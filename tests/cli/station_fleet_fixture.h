// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "sim_fixture.h"

#include <QStringList>
#include <cstdint>
#include <filesystem>

namespace corvane::cli::test {

// A fleet of simulated stations on loopback for the commands that change stations, each station reached by
// its own address and the fleet's session port.
class StationFleetTest : public sim::test::SimTest {
protected:
    explicit StationFleetTest(std::uint32_t stations) : stations_(stations) {}

    // "127.0.0.N:PORT" of every station, in order.
    QStringList Hosts(const sim::test::RunningFleet& running) const;
    // When station n (1-based) last wrote its state file: a write of its configuration rewrites it.
    std::filesystem::file_time_type Written(std::uint32_t n) const;
    // Until every station is back from its restart (a write ends with one).
    void AwaitEveryStation(sim::test::RunningFleet& running) const;

private:
    std::uint32_t stations_;
};

} // namespace corvane::cli::test
