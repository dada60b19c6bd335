// SPDX-License-Identifier: Apache-2.0
#include "config/property_codec.h"
#include "config/status_codes.h"
#include "config/table_codec.h"
#include "config/table_editing.h"

#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes TableValue(std::uint32_t count, const Bytes& entries, std::uint8_t headerFill = 0) {
    Bytes value(16 + entries.size(), headerFill);
    value[4] = std::uint8_t(count >> 24);
    value[5] = std::uint8_t(count >> 16);
    value[6] = std::uint8_t(count >> 8);
    value[7] = std::uint8_t(count);
    std::copy(entries.begin(), entries.end(), value.begin() + 16);
    return value;
}

int Decode(ConfigRecord& r, const char (&tag)[5], const Bytes& value) {
    return DecodeTable(r, MakeTag(tag), std::uint32_t(value.size()), value.data());
}

TEST(ConfigTableCodec, EmptyTableIsSixteenZeroBytes) {
    ConfigRecord r;
    for (PropertyTag tag : {kPortMapTag, kAccessListTag}) {
        Bytes out;
        ASSERT_EQ(EncodeTable(r, tag, out), 0);
        EXPECT_EQ(out, Bytes(16, 0)) << tag;
    }
    r.pmTa.resize(3);
    ASSERT_EQ(Decode(r, "pmTa", Bytes(16, 0)), 0);
    EXPECT_TRUE(r.pmTa.empty());
}

TEST(ConfigTableCodec, PortMappingEntryBytes) {
    ConfigRecord r;
    r.pmTa = {{0x0A010205, 80, 8080}};
    Bytes out;
    ASSERT_EQ(GetProperty(r, kPortMapTag, out), 0);
    EXPECT_EQ(out, TableValue(1, {0x0A, 0x01, 0x02, 0x05, 0x00, 0x50, 0x1F, 0x90}));
    ConfigRecord back;
    ASSERT_EQ(SetProperty(back, kPortMapTag, std::uint32_t(out.size()), out.data()), 0);
    EXPECT_EQ(back.pmTa, r.pmTa);
}

TEST(ConfigTableCodec, AccessEntriesAreCopiedAsTheyAre) {
    Bytes entry(40);
    for (std::size_t i = 0; i < entry.size(); ++i) {
        entry[i] = std::uint8_t(0x41 + i); // no zero byte in the description
    }
    ConfigRecord r;
    ASSERT_EQ(Decode(r, "acTa", TableValue(1, entry)), 0);
    ASSERT_EQ(r.acTa.size(), 1u);
    EXPECT_EQ(r.acTa[0].corvaneId, (MacAddress{0x41, 0x42, 0x43, 0x44, 0x45, 0x46}));
    EXPECT_EQ(AclDescription(r.acTa[0]).size(), 34u); // read no further than byte 39
    Bytes out;
    ASSERT_EQ(EncodeTable(r, kAccessListTag, out), 0);
    EXPECT_EQ(out, TableValue(1, entry));
}

TEST(ConfigTableCodec, MalformedValuesLeaveTheTable) {
    ConfigRecord r;
    r.pmTa = {{1, 2, 3}};
    r.acTa.resize(2);
    const struct {
        const char* name;
        char tag[5];
        Bytes value;
    } cases[] = {
        {"shorter than the header", "pmTa", Bytes(15, 0)},
        {"count 2 with one half entry", "pmTa", TableValue(2, Bytes(4, 1))},
        {"count 1 short by a byte", "acTa", TableValue(1, Bytes(39, 1))},
        {"count that would overflow 32 bits", "acTa", TableValue(0xFFFFFFFF, Bytes(80, 1))},
        {"count that wraps 16 + n * 8", "pmTa", TableValue(0x20000000, Bytes(8, 1))},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Decode(r, c.tag, c.value), kMalformedValue) << c.name;
        EXPECT_EQ(r.pmTa.size(), 1u) << c.name;
        EXPECT_EQ(r.acTa.size(), 2u) << c.name;
    }
}

TEST(ConfigTableCodec, CountDecidesAndHeaderFillIsIgnored) {
    ConfigRecord r;
    Bytes five, three;
    for (std::uint8_t i = 0; i < 5; ++i) {
        five.insert(five.end(), {10, 0, 0, i, 0, i, 0, 80});
    }
    ASSERT_EQ(Decode(r, "pmTa", TableValue(5, five)), 0);
    ASSERT_EQ(r.pmTa.size(), 5u);
    for (std::uint8_t i = 7; i < 10; ++i) {
        three.insert(three.end(), {10, 0, 0, i, 0, i, 0, 80});
    }
    three.insert(three.end(), {0xEE, 0xEE}); // bytes beyond 16 + n * s are ignored
    ASSERT_EQ(Decode(r, "pmTa", TableValue(3, three, 0xFF)), 0);
    ASSERT_EQ(r.pmTa.size(), 3u);
    for (std::uint16_t i = 0; i < 3; ++i) {
        EXPECT_EQ(r.pmTa[i], (PortMapEntry{0x0A000007u + i, std::uint16_t(7 + i), 80}));
    }
}

TEST(ConfigTableCodec, OtherTagsAreNotTables) {
    ConfigRecord r;
    Bytes out;
    EXPECT_EQ(EncodeTable(r, MakeTag("raCh"), out), kUnknownProperty);
    EXPECT_EQ(Decode(r, "raCh", Bytes(16, 0)), kUnknownProperty);
}

TEST(ConfigTableEditing, AccessListReplacesByIdAndAppendsOtherwise) {
    const MacAddress a{0, 0x11, 0x22, 0x33, 0x44, 0x55}, b{1, 2, 3, 4, 5, 6}, c{9, 9, 9, 9, 9, 9};
    std::vector<AclEntry> list;
    EXPECT_EQ(StoreAclEntry(list, a, MakeAclEntry(a, "first")), 0u);
    EXPECT_EQ(StoreAclEntry(list, b, MakeAclEntry(b, "second")), 1u);
    EXPECT_EQ(StoreAclEntry(list, a, MakeAclEntry(a, "renamed")), 0u); // add of a listed ID
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(AclDescription(list[0]), "renamed");
    EXPECT_EQ(StoreAclEntry(list, c, MakeAclEntry(c, "")), 2u);
    EXPECT_EQ(list.size(), 3u);
}

TEST(ConfigTableEditing, DescriptionIsCutTo33AndTerminated) {
    const AclEntry entry = MakeAclEntry({}, std::string(50, 'd'));
    EXPECT_EQ(AclDescription(entry), std::string(33, 'd'));
    EXPECT_EQ(entry.description[33], '\0');
}

TEST(ConfigTableEditing, PortMappingRefusesOnlyIdenticalEntries) {
    std::vector<PortMapEntry> table;
    const PortMapEntry web{0x0A000002, 80, 80};
    EXPECT_TRUE(AddPortMapping(table, web));
    EXPECT_FALSE(AddPortMapping(table, web));
    EXPECT_TRUE(AddPortMapping(table, {0x0A000002, 80, 8080})); // differs only in the public port
    EXPECT_TRUE(AddPortMapping(table, {0x0A000003, 80, 80}));
    EXPECT_EQ(table.size(), 3u);
}

// Removing goes by value and takes every copy, so a second removal finds nothing; the others keep their
// order.
TEST(ConfigTableEditing, RemoveTakesEveryCopyAndKeepsTheOrder) {
    const MacAddress a{0, 0x11, 0x22, 0x33, 0x44, 0x55}, b{1, 2, 3, 4, 5, 6}, c{9, 9, 9, 9, 9, 9};
    std::vector<AclEntry> list = {MakeAclEntry(a, "one"), MakeAclEntry(b, "two"), MakeAclEntry(a, "three"),
                                  MakeAclEntry(c, "four")};
    EXPECT_TRUE(RemoveAclEntries(list, a));
    EXPECT_EQ(list, (std::vector<AclEntry>{MakeAclEntry(b, "two"), MakeAclEntry(c, "four")}));
    EXPECT_FALSE(RemoveAclEntries(list, a));
    EXPECT_EQ(list.size(), 2u);

    const PortMapEntry web{0x0A000002, 80, 80}, other{0x0A000002, 80, 8080}, last{0x0A000003, 21, 21};
    std::vector<PortMapEntry> table = {web, other, web, last};
    EXPECT_TRUE(RemovePortMappings(table, web));
    EXPECT_EQ(table, (std::vector<PortMapEntry>{other, last}));
    EXPECT_FALSE(RemovePortMappings(table, web));
    EXPECT_EQ(table.size(), 2u);
}

// Stations and files may hold duplicates: an edit changes the selected row and no other.
TEST(ConfigTableEditing, EditReplacesTheEntryAtItsPosition) {
    const MacAddress a{0, 0x11, 0x22, 0x33, 0x44, 0x55}, b{1, 2, 3, 4, 5, 6};
    std::vector<AclEntry> list = {MakeAclEntry(a, "one"), MakeAclEntry(a, "two"), MakeAclEntry(b, "three")};
    EXPECT_TRUE(ReplaceEntryAt(list, 1, MakeAclEntry(a, "edited")));
    EXPECT_EQ(AclDescription(list[0]), "one");
    EXPECT_EQ(AclDescription(list[1]), "edited");
    // Changing b's ID to a's leaves two rows with the same ID.
    EXPECT_TRUE(ReplaceEntryAt(list, 2, MakeAclEntry(a, "three")));
    EXPECT_EQ(list[2].corvaneId, a);
    EXPECT_EQ(list.size(), 3u);

    const PortMapEntry web{0x0A000002, 80, 80}, other{0x0A000003, 81, 8081};
    std::vector<PortMapEntry> table = {web, web, other};
    EXPECT_TRUE(ReplaceEntryAt(table, 1, PortMapEntry{0x0A000002, 80, 8080}));
    EXPECT_EQ(table, (std::vector<PortMapEntry>{web, {0x0A000002, 80, 8080}, other}));
    EXPECT_TRUE(ReplaceEntryAt(table, 2, web)); // no duplicate check
    EXPECT_EQ(table, (std::vector<PortMapEntry>{web, {0x0A000002, 80, 8080}, web}));
    EXPECT_FALSE(ReplaceEntryAt(table, 3, other));
    EXPECT_EQ(table.size(), 3u);
}

} // namespace
} // namespace corvane
