// SPDX-License-Identifier: Apache-2.0
#include "config/config_record.h"
#include "config/property_catalogue.h"
#include "config/status_codes.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace corvane {
namespace {

std::string TagText(PropertyTag tag) {
    return {char(tag >> 24), char(tag >> 16), char(tag >> 8), char(tag)};
}

const std::vector<std::string> kCatalogueOrder = {
    "syNm", "syPW", "syPR", "syCt", "syLo", "syDs", "syVs", "raNm", "raCl", "raWM", "raWE", "raRo", "raCh",
    "raDe", "raMu", "raLC", "raDS", "raNA", "raWB", "waCV", "waIn", "waD1", "waD2", "waD3", "waIP", "waSM",
    "waRA", "waDC", "waDS", "waDN", "moPN", "moAP", "moPD", "moUN", "moPW", "moID", "moCC", "moCI", "moDT",
    "moAD", "moMP", "moMF", "peSN", "peUN", "pePW", "peSC", "peAC", "peID", "dhBg", "dhEn", "dhLe", "pmTa",
    "acEn", "acTa", "raFl", "raI1", "raAu", "raSe", "raF2", "raI2", "raU2", "raS2"};

TEST(ConfigCatalogue, SixtyTwoRowsInRecordOrderThenTheEndRow) {
    ASSERT_EQ(kCatalogueOrder.size(), kPropertyCount);
    for (std::size_t i = 0; i < kPropertyCount; ++i) {
        EXPECT_EQ(TagText(PropertyCatalogue[i].tag), kCatalogueOrder[i]) << i;
    }
    EXPECT_EQ(PropertyCatalogue[kPropertyCount].tag, 0u);
}

TEST(ConfigCatalogue, KindsAndWidthsAgree) {
    for (std::size_t i = 0; i < kPropertyCount; ++i) {
        const auto& row = PropertyCatalogue[i];
        const bool integer = row.kind == PropertyKind::Integer;
        EXPECT_EQ(integer, row.width != 0) << TagText(row.tag);
        EXPECT_EQ(row.kind == PropertyKind::Table, std::holds_alternative<std::monostate>(row.field))
            << TagText(row.tag);
    }
    const PropertyDescriptor* row = nullptr;
    ASSERT_EQ(FindProperty(MakeTag("raLC"), row), 0);
    EXPECT_EQ(row->width, 2u);
    ASSERT_EQ(FindProperty(MakeTag("raWE"), row), 0);
    EXPECT_EQ(row->kind, PropertyKind::Bytes);
}

TEST(ConfigCatalogue, FindProperty) {
    const PropertyDescriptor* row = nullptr;
    EXPECT_EQ(MakeTag("syNm"), 0x73794E6Du);
    ASSERT_EQ(FindProperty(0x73794E6D, row), 0);
    EXPECT_EQ(row, &PropertyCatalogue[0]);
    ASSERT_EQ(FindProperty(MakeTag("syDs"), row), 0);
    EXPECT_EQ(row->tag, MakeTag("syDs"));
    row = nullptr;
    EXPECT_EQ(FindProperty(0, row), kUnknownProperty);
    EXPECT_EQ(FindProperty(MakeTag("zzzz"), row), kUnknownProperty);
    EXPECT_EQ(FindProperty(MakeTag("acFN"), row), kUnknownProperty);
    EXPECT_EQ(row, nullptr);
}

TEST(ConfigTransferList, SixtyEntriesInCatalogueOrderWithTablesFirst) {
    std::vector<std::string> expected;
    for (const auto& tag : kCatalogueOrder) {
        if (tag != "syDs" && tag != "syVs") {
            expected.push_back(tag);
        }
    }
    std::swap(expected[50], expected[51]); // acTa before acEn
    ASSERT_EQ(expected[50], "acTa");
    ASSERT_EQ(TransferList.size(), 60u);
    for (std::size_t i = 0; i < TransferList.size(); ++i) {
        EXPECT_EQ(TagText(TransferList[i].tag), expected[i]) << i;
        EXPECT_EQ(TransferList[i].length, 0u);
        const PropertyDescriptor* row = nullptr;
        EXPECT_EQ(FindProperty(TransferList[i].tag, row), 0);
    }
}

TEST(ConfigTransferList, ExactlyTheThirtyFiveScrambledProperties) {
    const std::set<std::string> scrambled = {
        "syNm", "syPW", "syPR", "syCt", "syLo", "raNm", "raWE", "raDS", "waD1", "waD2", "waD3", "waIP",
        "waSM", "waRA", "waDC", "waDS", "waDN", "moPN", "moAP", "moUN", "moPW", "peSN", "peUN", "pePW",
        "dhBg", "dhEn", "dhLe", "pmTa", "acTa", "raI1", "raAu", "raSe", "raI2", "raU2", "raS2"};
    ASSERT_EQ(scrambled.size(), 35u);
    for (const auto& entry : TransferList) {
        const bool flagged = entry.flags == ELEMENT_SCRAMBLED;
        EXPECT_TRUE(flagged || entry.flags == 0);
        EXPECT_EQ(flagged, scrambled.count(TagText(entry.tag)) == 1) << TagText(entry.tag);
    }
}

TEST(ConfigCatalogue, EveryRowHasALabelAndTheSecretsAndAddressesAreMarked) {
    const std::set<std::string> secrets = {"syPW", "raWE", "moPW", "pePW", "raSe", "raS2"};
    const std::set<std::string> addresses = {"waD1", "waD2", "waD3", "waIP", "waSM",
                                             "waRA", "dhBg", "dhEn", "raI1", "raI2"};
    for (std::size_t i = 0; i < kPropertyCount; ++i) {
        const auto& row = PropertyCatalogue[i];
        const std::string tag = TagText(row.tag);
        EXPECT_NE(std::string(row.label), "") << tag;
        EXPECT_EQ(row.secret, secrets.count(tag) == 1) << tag;
        EXPECT_EQ(row.address, addresses.count(tag) == 1) << tag;
        EXPECT_TRUE(!row.address || (row.kind == PropertyKind::Integer && row.width == 4)) << tag;
    }
}

TEST(ConfigRecord, ConstructorDefaults) {
    const ConfigRecord r;
    EXPECT_NE(r.createdTime, 0);
    EXPECT_EQ(r.restartPending, 0u);
    EXPECT_EQ(r.stationAddress, 0u);
    EXPECT_TRUE(r.adminPassword.empty());
    EXPECT_EQ(r.raCh, 1u);
    EXPECT_EQ(r.raDe, 1u);
    EXPECT_EQ(r.raMu, 2u);
    EXPECT_EQ(r.raLC, 0x07FF);
    EXPECT_EQ(r.raDS, 1);
    EXPECT_EQ(r.raNA, 1);
    EXPECT_EQ(r.waCV, 0x400u);
    EXPECT_EQ(r.waIn, 16u);
    EXPECT_EQ(r.moID, 600u);
    EXPECT_EQ(r.moCC, 22u);
    EXPECT_EQ(r.moMP, 1u);
    EXPECT_EQ(r.dhLe, 14400u);
    EXPECT_EQ(r.acEn, 0);
    EXPECT_EQ(r.raWM, 0u);
    EXPECT_TRUE(r.raWE.empty() && r.pmTa.empty() && r.acTa.empty() && r.syNm.empty());
}

TEST(ConfigRecord, CopyIsDeepAndIndependent) {
    ConfigRecord source;
    source.syNm = "base";
    source.raWE = {1, 2, 3, 4, 5};
    source.pmTa = {{0x0A010205, 80, 8080}};
    source.acTa.resize(1);
    source.wanMac = {1, 2, 3, 4, 5, 6};
    ConfigRecord copy(source);
    copy.syNm += "x";
    copy.raWE[0] = 9;
    copy.pmTa[0].publicPort = 1;
    copy.acTa.clear();
    EXPECT_EQ(source.syNm, "base");
    EXPECT_EQ(source.raWE[0], 1);
    EXPECT_EQ(source.pmTa[0].publicPort, 8080);
    EXPECT_EQ(source.acTa.size(), 1u);
    EXPECT_EQ(copy.wanMac, source.wanMac);
    EXPECT_EQ(copy.createdTime, source.createdTime);
}

} // namespace
} // namespace corvane
