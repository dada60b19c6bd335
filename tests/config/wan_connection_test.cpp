// SPDX-License-Identifier: Apache-2.0
#include "config/wan_connection.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

struct ConnectionCase {
    std::uint32_t waIn;
    std::uint32_t waCV;
    bool ppp;
    bool pppoe;
};

TEST(WanConnectionTest, PppConnectionsAreTheModemAndPppOverEthernet) {
    const ConnectionCase cases[] = {
        {kWanModem, kWanPpp, true, false},      // modem or AOL
        {kWanModem, kWanManual, true, false},   // the modem whatever waCV says
        {kWanEthernet, kWanPpp, true, true},    // PPPoE
        {kWanEthernet, kWanPppBit, true, true}, // the PPP bit alone
        {kWanEthernet, kWanManual, false, false},
        {kWanEthernet, kWanDhcp, false, false},
        {0, kWanPpp, false, false}, // no interface this program knows
    };
    for (const ConnectionCase& c : cases) {
        ConfigRecord record;
        record.waIn = c.waIn;
        record.waCV = c.waCV;
        EXPECT_EQ(IsPppConnection(record), c.ppp) << c.waIn << " " << c.waCV;
        EXPECT_EQ(IsPppoeConnection(record), c.pppoe) << c.waIn << " " << c.waCV;
    }
}

} // namespace
} // namespace corvane
