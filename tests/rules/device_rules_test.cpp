// SPDX-License-Identifier: Apache-2.0
// Whole records against the device's rules: each case of the shared table breaks exactly its one rule, and a
// record breaking several is told every one of them in the pages' order.
#include "rule_cases.h"
#include "rules/device_rules.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using testing::CaseRecord;
using testing::kRuleCases;
using testing::RuleCase;

class RuleCaseTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(RuleCaseTest, BreaksItsRuleAlone) {
    const RuleCase& rule = GetParam();
    const std::vector<RuleBreak> expected = {{rule.message, rule.property}};
    EXPECT_EQ(CheckConfiguration(CaseRecord(rule)), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, RuleCaseTest, ::testing::ValuesIn(kRuleCases),
                         [](const ::testing::TestParamInfo<RuleCase>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) {
                                     c = '_';
                                 }
                             }
                             return name;
                         });

TEST(DeviceRules, TheDefaultRecordKeepsEveryRule) {
    EXPECT_TRUE(CheckConfiguration(ConfigRecord{}).empty());
}

TEST(DeviceRules, EveryBrokenRuleIsToldInThePagesOrder) {
    ConfigRecord record;
    for (const RuleCase* rule : {&kRuleCases[0], &kRuleCases[3], &kRuleCases[6], &kRuleCases[8]}) {
        rule->edit(record);
    }
    testing::UseModem(record, false);
    record.moPN.clear();
    record.moPW.clear();
    record.dhLe = 60;
    record.pmTa = {{0, 80, 8080}, {0, 80, 8080}};
    record.acTa = {testing::Client("a\nb")};
    record.raNA = 0;
    const std::vector<RuleBreak> expected = {
        {kStrIllegalNetworkName, MakeTag("raNm")},
        {kStrChannelNotAllowed, MakeTag("raCh")},
        {kStrMulticastNeedsDensity, MakeTag("raMu")},
        {kStrInvalidNetworkPassword, MakeTag("raWE")},
        {kStrUserInformationMissing, MakeTag("moPN")},
        {kStrUserInformationMissing, MakeTag("moPW")},
        {kStrLeaseTooShort, MakeTag("dhLe")},
        {kStrFieldsBlank, MakeTag("pmTa")},
        {kStrDuplicatePortMapping, MakeTag("pmTa")},
        {kStrDescriptionLineBreak, MakeTag("acTa")},
        {kStrDhcpRangeNeedsStaticEthernet, MakeTag("raNA")},
    };
    EXPECT_EQ(CheckConfiguration(record), expected);
}

TEST(DeviceRules, WhatOnlyTheChosenConnectionNeedsIsLeftAlone) {
    ConfigRecord record; // Ethernet: no user information needed, none given
    record.moPN.clear();
    record.peUN.clear();
    EXPECT_TRUE(CheckConfiguration(record).empty());
    testing::UseModem(record, true); // AOL: a main number only
    record.moUN.clear();
    record.moPW.clear();
    EXPECT_TRUE(CheckConfiguration(record).empty());
}

TEST(DeviceRules, WithoutDistributionTheLeaseIsNotLookedAt) {
    ConfigRecord record;
    record.raDS = 0;
    record.dhLe = 5;
    EXPECT_TRUE(CheckConfiguration(record).empty());
}

TEST(DeviceRules, RecordsAtTheLimitsKeepTheRules) {
    ConfigRecord record;
    record.raNm = "Home \"Net\" (2'nd), -./:=?";
    record.raLC = 0x4000;
    record.raCh = 15;
    record.raDe = 3;
    record.raMu = 0x11;
    record.raWM = kWep128;
    record.raWE.assign(13, 0);
    record.dhLe = 600;
    record.pmTa = {{testing::kPrivateHost, 80, 8080}, {testing::kPrivateHost, 80, 8081}};
    record.acTa = {testing::Client(std::string(33, 'x').c_str()), testing::Client("")};
    EXPECT_TRUE(CheckConfiguration(record).empty());
}

} // namespace
} // namespace corvane
