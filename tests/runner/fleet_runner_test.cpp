// SPDX-License-Identifier: Apache-2.0
#include "runner/fleet_runner.h"

#include <algorithm>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>
#include <vector>

namespace corvane {
namespace {

// Never more stations at once than allowed, and all of them at once when there are as many: the first eight
// jobs only end once eight are running together.
TEST(FleetRunnerTest, FleetRunsAtMostItsParallelismAtOnce) {
    std::mutex mutex;
    std::condition_variable changed;
    int running = 0, most = 0;
    std::vector<std::size_t> finished;
    const std::size_t begun = RunFleet(
        30, kFleetParallelism, kFleetWaiting,
        [&](std::size_t, FleetPlace&) {
            std::unique_lock lock(mutex);
            most = std::max(most, ++running);
            changed.notify_all();
            changed.wait_for(lock, std::chrono::seconds(10), [&] { return most == int(kFleetParallelism); });
            --running;
            return true;
        },
        [&](std::size_t index) { finished.push_back(index); }, [] {});
    EXPECT_EQ(begun, 30u);
    EXPECT_EQ(most, int(kFleetParallelism));
    std::sort(finished.begin(), finished.end());
    ASSERT_EQ(finished.size(), 30u);
    for (std::size_t i = 0; i < finished.size(); ++i) {
        EXPECT_EQ(finished[i], i);
    }
}

TEST(FleetRunnerTest, AJobThatSaysStopLeavesTheRestUnbegun) {
    std::vector<std::size_t> finished;
    const std::size_t begun = RunFleet(
        10, 1, 0, [](std::size_t index, FleetPlace&) { return index != 3; },
        [&](std::size_t index) { finished.push_back(index); });
    EXPECT_EQ(begun, 4u);
    EXPECT_EQ(finished, (std::vector<std::size_t>{0, 1, 2, 3}));
    EXPECT_EQ(RunFleet(
                  0, 8, 0, [](std::size_t, FleetPlace&) { return true; }, [](std::size_t) {}),
              0u);
}

// A station waiting for its restart gives up its place: with one place, the second station runs while the
// first waits, and the third, begun after the second stopped the fleet, never begins.
TEST(FleetRunnerTest, AWaitLetsTheNextStationBeginButNotAfterAStop) {
    std::mutex mutex;
    std::condition_variable changed;
    bool secondRan = false;
    std::vector<std::size_t> begun;
    const std::size_t count = RunFleet(
        3, 1, 2,
        [&](std::size_t index, FleetPlace& place) {
            std::unique_lock lock(mutex);
            begun.push_back(index);
            if (index == 0) {
                lock.unlock();
                place.WaitWithout([&] {
                    std::unique_lock waiting(mutex);
                    changed.wait_for(waiting, std::chrono::seconds(10), [&] { return secondRan; });
                });
                return true;
            }
            secondRan = true;
            changed.notify_all();
            return false;
        },
        [](std::size_t) {});
    EXPECT_EQ(count, 2u);
    EXPECT_TRUE(secondRan);
    EXPECT_EQ(begun, (std::vector<std::size_t>{0, 1}));
}

// The first station alone: one that says stop leaves every other unbegun; one that goes on lets the rest run.
TEST(FleetRunnerTest, TheLeadRunsAloneAndDecidesForTheRest) {
    for (const bool leadGoesOn : {false, true}) {
        std::mutex mutex;
        std::vector<std::size_t> begun;
        std::vector<std::size_t> finished;
        const std::size_t count = RunFleetLeadFirst(
            5, true,
            [&](std::size_t index, FleetPlace&) {
                const std::lock_guard lock(mutex);
                begun.push_back(index);
                return index != 0 || leadGoesOn;
            },
            [&](std::size_t index) { finished.push_back(index); });
        EXPECT_EQ(count, leadGoesOn ? 5u : 1u);
        ASSERT_FALSE(finished.empty());
        EXPECT_EQ(finished.front(), 0u) << "the lead ends before any other begins";
        EXPECT_EQ(begun.front(), 0u);
        EXPECT_EQ(finished.size(), leadGoesOn ? 5u : 1u);
    }
}

} // namespace
} // namespace corvane
