// SPDX-License-Identifier: Apache-2.0
#include "config/property_catalogue.h"
#include "config/property_codec.h"
#include "config/status_codes.h"

#include <gtest/gtest.h>
#include <vector>

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ConfigGetProperty, IntegersAreBigEndianAtTheirWidth) {
    ConfigRecord r;
    r.raCh = 6;
    r.raCl = 1;
    struct Case {
        char tag[5];
        Bytes expected;
    } cases[] = {
        {"raCh", {0, 0, 0, 6}},
        {"raLC", {0x07, 0xFF}},
        {"raCl", {1}},
        {"dhLe", {0, 0, 0x38, 0x40}},
    };
    for (const auto& c : cases) {
        Bytes out = {0xAA, 0xBB, 0xCC, 0xDD, 0xEE}; // previous contents are discarded
        ASSERT_EQ(GetProperty(r, MakeTag(c.tag), out), 0) << c.tag;
        EXPECT_EQ(out, c.expected) << c.tag;
    }
}

TEST(ConfigGetProperty, TextAndUnknownTags) {
    ConfigRecord r;
    Bytes out = {1, 2, 3};
    ASSERT_EQ(GetProperty(r, MakeTag("syNm"), out), 0);
    EXPECT_TRUE(out.empty());
    r.syNm = std::string("a\0b", 3);
    ASSERT_EQ(GetProperty(r, MakeTag("syNm"), out), 0);
    EXPECT_EQ(out, (Bytes{'a', 0, 'b'}));
    out = {7};
    EXPECT_EQ(GetProperty(r, MakeTag("zzzz"), out), kUnknownProperty);
    EXPECT_EQ(GetProperty(r, 0, out), kUnknownProperty);
    EXPECT_EQ(out, Bytes{7});
}

TEST(ConfigSetProperty, IntegerWidthMustMatch) {
    ConfigRecord r;
    const std::uint8_t two[] = {0, 0x0B};
    const std::uint8_t four[] = {0, 0, 0, 0x0B};
    EXPECT_EQ(SetProperty(r, MakeTag("raCh"), 2, two), kMalformedValue);
    EXPECT_EQ(r.raCh, 1u);
    EXPECT_EQ(SetProperty(r, MakeTag("raCh"), 4, four), 0);
    EXPECT_EQ(r.raCh, 11u);
    EXPECT_EQ(SetProperty(r, MakeTag("raLC"), 2, two), 0);
    EXPECT_EQ(r.raLC, 0x000B);
    EXPECT_EQ(SetProperty(r, MakeTag("raCl"), 0, nullptr), kMalformedValue);
    EXPECT_EQ(r.raCl, 0);
}

TEST(ConfigSetProperty, TextTakesExactlyTheBytes) {
    ConfigRecord r;
    r.raNm = "old";
    const std::uint8_t text[] = {'n', 0, 'w'};
    EXPECT_EQ(SetProperty(r, MakeTag("raNm"), 3, text), 0);
    EXPECT_EQ(r.raNm, std::string("n\0w", 3));
    EXPECT_EQ(SetProperty(r, MakeTag("raNm"), 0, nullptr), 0);
    EXPECT_TRUE(r.raNm.empty());
}

TEST(ConfigSetProperty, UnknownTagChangesNothing) {
    ConfigRecord r;
    const std::uint8_t value[] = {1, 2, 3, 4};
    EXPECT_EQ(SetProperty(r, MakeTag("zzzz"), 4, value), kUnknownProperty);
    Bytes out;
    ASSERT_EQ(GetProperty(r, MakeTag("raCh"), out), 0);
    EXPECT_EQ(out, (Bytes{0, 0, 0, 1}));
}

TEST(ConfigSetProperty, KeyBytesAreHeldReversedAndTravelInOrder) {
    ConfigRecord r;
    const std::uint8_t key[] = {1, 2, 3, 4, 5};
    ASSERT_EQ(SetProperty(r, MakeTag("raWE"), 5, key), 0);
    EXPECT_EQ(r.raWE, (Bytes{5, 4, 3, 2, 1}));
    Bytes out;
    ASSERT_EQ(GetProperty(r, MakeTag("raWE"), out), 0);
    EXPECT_EQ(out, (Bytes{1, 2, 3, 4, 5}));
}

// Every catalogue property survives set → get with a value of its own kind.
TEST(ConfigSetProperty, EveryPropertyRoundTrips) {
    for (std::size_t i = 0; i < kPropertyCount; ++i) {
        const PropertyDescriptor& row = PropertyCatalogue[i];
        Bytes value;
        switch (row.kind) {
        case PropertyKind::Integer:
            for (std::uint32_t b = 0; b < row.width; ++b) {
                value.push_back(std::uint8_t(0x81 + b));
            }
            break;
        case PropertyKind::Table:
            value.assign(16 + (row.tag == MakeTag("acTa") ? 40 : 8), 0x5A);
            value[0] = value[1] = value[2] = value[3] = 0;
            value[4] = value[5] = value[6] = 0;
            value[7] = 1;
            value[8] = value[9] = value[10] = value[11] = value[12] = value[13] = value[14] = value[15] = 0;
            break;
        default:
            value = {'v', 'a', 'l', 0, 'u', 'e'};
        }
        ConfigRecord r;
        ASSERT_EQ(SetProperty(r, row.tag, std::uint32_t(value.size()), value.data()), 0) << i;
        Bytes out;
        ASSERT_EQ(GetProperty(r, row.tag, out), 0) << i;
        EXPECT_EQ(out, value) << i;
    }
}

TEST(ConfigReverseBytes, InPlace) {
    Bytes b = {1, 2, 3};
    ReverseBytes(3, b.data());
    EXPECT_EQ(b, (Bytes{3, 2, 1}));
    ReverseBytes(1, b.data());
    ReverseBytes(0, nullptr);
    EXPECT_EQ(b, (Bytes{3, 2, 1}));
}

} // namespace
} // namespace corvane
