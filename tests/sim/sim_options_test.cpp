// SPDX-License-Identifier: Apache-2.0
#include "sim/sim_options.h"

#include <gtest/gtest.h>

namespace corvane::sim {
namespace {

TEST(SimOptionsTest, ParsesAFleetWithFaults) {
    SimOptions options;
    bool help = true;
    std::string error;
    ASSERT_TRUE(ParseSimOptions({"--stations", "500", "--first-address", "10.77.16.1", "--discovery-port",
                                 "0", "--fault", "3:stall", "--fault", "all:drop-discovery", "--reset", "2",
                                 "--restart-ms", "250", "--answer-bursts", "100:10"},
                                options, help, error))
        << error;
    EXPECT_FALSE(help);
    EXPECT_EQ(options.stationCount, 500u);
    EXPECT_EQ(options.firstAddress, 0x0A4D1001u);
    EXPECT_EQ(options.discoveryPort, 0);
    ASSERT_EQ(options.faults.size(), 2u);
    EXPECT_EQ(options.faults[0].station, 3u);
    EXPECT_EQ(options.faults[0].fault, Fault::Stall);
    EXPECT_EQ(options.faults[1].station, 0u);
    EXPECT_EQ(options.resetStations, std::vector<std::uint32_t>{2});
    EXPECT_EQ(options.restartMs, 250u);
    EXPECT_EQ(options.answersPerBurst, 100u);
    EXPECT_EQ(options.burstPauseMs, 10u);
}

TEST(SimOptionsTest, UnpacedAnswersLeaveInOneBurst) {
    SimOptions options;
    bool help = false;
    std::string error;
    EXPECT_EQ(options.answersPerBurst, 8u) << "paced by default";
    ASSERT_TRUE(ParseSimOptions({"--stations", "16384", "--unpaced"}, options, help, error)) << error;
    EXPECT_EQ(options.answersPerBurst, 0u);
}

TEST(SimOptionsTest, DoubleDashEndsTheOptions) {
    SimOptions options;
    bool help = false;
    std::string error;
    EXPECT_TRUE(ParseSimOptions({"--quiet", "--"}, options, help, error)) << error;
    EXPECT_TRUE(options.quiet);
}

TEST(SimOptionsTest, RefusesBadCommandLines) {
    const std::vector<std::vector<std::string>> bad = {
        {"--stations", "0"},
        {"--stations", "12x"},
        {"--stations", "16385"},
        {"--answer-bursts", "0:8"},
        {"--answer-bursts", "8"},
        {"--answer-bursts", "8:"},
        {"--first-address", "10.0.0.256"},
        {"--first-address", "10.0.0.1:80"},
        {"--first-address", "255.255.255.255", "--stations", "2"},
        {"--fault", "3:melt"},
        {"--fault", "0:stall"},
        {"--fault", "stall"},
        {"--session-port", "70000"},
        {"--reset"},
        {"--bogus", "1"},
        {"--", "--stations", "2"},
    };
    for (const auto& args : bad) {
        SimOptions options;
        bool help = false;
        std::string error;
        EXPECT_FALSE(ParseSimOptions(args, options, help, error)) << args[0];
        EXPECT_FALSE(error.empty());
    }
}

} // namespace
} // namespace corvane::sim
