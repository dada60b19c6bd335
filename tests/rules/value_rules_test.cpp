// SPDX-License-Identifier: Apache-2.0
// The rules the pages and their dialogs apply to what the administrator typed or chose.
#include "config/config_record.h"
#include "rules/connection_rules.h"
#include "rules/lease_rules.h"
#include "rules/table_rules.h"
#include "rules/wireless_rules.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace corvane {
namespace {

TEST(NetworkName, TakesLettersDigitsAndTwelveMarks) {
    EXPECT_TRUE(NetworkNameAllowed(""));
    EXPECT_TRUE(NetworkNameAllowed("azAZ09\"'(),-./:=? "));
    for (const std::string& name : {std::string("a\\b"), std::string("a_b"), std::string("a\tb"),
                                    std::string("a\x80", 2), std::string("a\0b", 3), std::string("a;b")}) {
        EXPECT_FALSE(NetworkNameAllowed(name)) << name;
    }
}

TEST(Channels, ComeFromBits0To14) {
    EXPECT_EQ(LegalChannels(0x1E00), (std::vector<std::uint32_t>{10, 11, 12, 13}));
    EXPECT_TRUE(LegalChannels(0).empty());
    EXPECT_TRUE(LegalChannels(0x8000).empty());
    EXPECT_EQ(LegalChannels(0x07FF).size(), 11u);
}

TEST(Multicast, EachDensityAllowsRatesUpToItsOwn) {
    struct Case {
        int density;
        int highestRate;
    };
    for (const Case c : {Case{-1, 1}, Case{0, 1}, Case{1, 2}, Case{2, 3}, Case{3, 3}}) {
        for (int rate = 0; rate < 4; ++rate) {
            EXPECT_EQ(MulticastRateAllowed(c.density, rate), rate <= c.highestRate)
                << c.density << " " << rate;
        }
    }
    EXPECT_EQ(MulticastIndex(0x55), 2);
    EXPECT_EQ(MulticastIndex(7), 1);
}

TEST(WepKey, FitsItsMode) {
    EXPECT_TRUE(WepKeyFits(kWepOff, 0));
    EXPECT_TRUE(WepKeyFits(kWepOff, 9));
    EXPECT_TRUE(WepKeyFits(kWep40, 5));
    EXPECT_FALSE(WepKeyFits(kWep40, 13));
    EXPECT_TRUE(WepKeyFits(kWep128, 13));
    EXPECT_FALSE(WepKeyFits(kWep128, 5));
    EXPECT_FALSE(WepKeyFits(3, 5));
}

TEST(LeaseText, DigitsOfTenMinutesOrMore) {
    struct Case {
        const char* count;
        std::uint32_t unit;
        std::optional<StringId> message;
    };
    for (const Case c :
         {Case{"10", 60, std::nullopt}, Case{"9", 60, kStrLeaseTooShort}, Case{"", 60, kStrLeaseTooShort},
          Case{"1h", 3600, kStrLeaseNotNumeric}, Case{" 20", 60, kStrLeaseNotNumeric},
          Case{"-20", 60, kStrLeaseNotNumeric}, Case{"49711", 86400, kStrLeaseTooShort},
          Case{"49710", 86400, std::nullopt}, Case{"99999999999999999999999", 1, kStrLeaseTooShort}}) {
        EXPECT_EQ(CheckLeaseText(c.count, c.unit), c.message) << c.count;
    }
    EXPECT_EQ(LeaseSeconds("4", 3600), 14400u);
    EXPECT_EQ(LeaseSeconds("4294967295", 1), 4294967295u);
    EXPECT_EQ(LeaseSeconds("4294967296", 1), std::nullopt);
}

TEST(ConnectionUser, EmptyFieldsInThePagesOrder) {
    const RuleBreak user{kStrUserInformationMissing, MakeTag("peUN")};
    const RuleBreak password{kStrUserInformationMissing, MakeTag("pePW")};
    EXPECT_EQ(CheckPppoeUser("", ""), (RuleBreaks{user, password}));
    EXPECT_TRUE(CheckPppoeUser("u", "p").empty());
    EXPECT_EQ(CheckModemUser("", "u", "").size(), 2u);
    EXPECT_EQ(CheckModemUser("1", "", "p"), (RuleBreaks{{kStrUserInformationMissing, MakeTag("moUN")}}));
    EXPECT_TRUE(CheckAolUser("1").empty());
}

TEST(ConnectionKind, AsTheInternetPageShowsIt) {
    struct Case {
        std::uint32_t waIn, waCV, moMF;
        ConnectionKind kind;
    };
    for (const Case c :
         {Case{4, 0x400, 0, ConnectionKind::Modem}, Case{4, 0x900, 1, ConnectionKind::Aol},
          Case{16, 0x900, 1, ConnectionKind::Pppoe}, Case{16, 0x800, 0, ConnectionKind::Pppoe},
          Case{16, 0x300, 0, ConnectionKind::Ethernet}, Case{16, 0xC00, 0, ConnectionKind::Ethernet},
          Case{7, 0x900, 0, ConnectionKind::Pppoe}}) {
        ConfigRecord record;
        record.waIn = c.waIn;
        record.waCV = c.waCV;
        record.moMF = c.moMF;
        EXPECT_EQ(ConnectionKindOf(record), c.kind) << c.waIn << " " << c.waCV;
    }
}

// The window's own reading: the modem, or the Ethernet port with the PPP bit, whatever page the record opens
// on.
TEST(PppSharing, GoesByThePppBitNotByThePage) {
    struct Case {
        std::uint32_t waIn, waCV;
        bool ppp;
    };
    for (const Case c : {Case{4, 0x400, true}, Case{16, 0x900, true}, Case{16, 0xC00, true},
                         Case{16, 0x300, false}, Case{7, 0x900, false}}) {
        ConfigRecord record;
        record.waIn = c.waIn;
        record.waCV = c.waCV;
        record.raDS = 0;
        record.raNA = 1;
        const RuleBreaks expected = c.ppp ? RuleBreaks{{kStrPppNeedsDhcp, MakeTag("raDS")}} : RuleBreaks{};
        EXPECT_EQ(CheckPppSharing(record), expected) << c.waIn << " " << c.waCV;
    }
}

TEST(PortMapEntryText, EveryFieldFilled) {
    EXPECT_TRUE(PortMapFieldsFilled("80", false, "8080"));
    EXPECT_TRUE(PortMapFieldsFilled("abc", false, "0"));
    EXPECT_FALSE(PortMapFieldsFilled("", false, "8080"));
    EXPECT_FALSE(PortMapFieldsFilled("80", true, "8080"));
    EXPECT_FALSE(PortMapFieldsFilled("80", false, ""));
}

TEST(PortMappings, ManyEntriesAreCheckedQuickly) {
    std::vector<PortMapEntry> table;
    for (std::uint16_t port = 1; port < 20000; ++port) {
        table.push_back({0x0A000001, port, port});
    }
    EXPECT_TRUE(CheckPortMappings(table).empty());
    table.push_back(table[123]);
    EXPECT_EQ(CheckPortMappings(table), (RuleBreaks{{kStrDuplicatePortMapping, MakeTag("pmTa")}}));
}

TEST(ClientText, IdAndDescription) {
    MacAddress id{};
    EXPECT_EQ(CheckCorvaneIdText("", id), kStrFieldsBlank);
    EXPECT_EQ(CheckCorvaneIdText("02:00:00:00:00", id), kStrInvalidCorvaneId);
    EXPECT_EQ(CheckCorvaneIdText("0200-0000-0001", id), std::nullopt);
    EXPECT_EQ(id, (MacAddress{2, 0, 0, 0, 0, 1}));
    EXPECT_EQ(CheckDescriptionText("Laptop"), std::nullopt);
    EXPECT_EQ(CheckDescriptionText(std::string("a\0b", 3)), kStrDescriptionLineBreak);
    EXPECT_EQ(CheckDescriptionText("a\r"), kStrDescriptionLineBreak);
}

} // namespace
} // namespace corvane
