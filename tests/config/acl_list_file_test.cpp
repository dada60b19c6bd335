// SPDX-License-Identifier: Apache-2.0
#include "config/acl_list_file.h"
#include "config/table_editing.h"

#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace corvane {
namespace {

AclEntry Client(std::uint8_t last, std::string_view description) {
    return MakeAclEntry({0x02, 0, 0, 0, 0, last}, description);
}

TEST(ConfigAclListFile, ExportWritesOneTabbedLineWithCrLfPerEntry) {
    EXPECT_EQ(FormatAclListFile({}), "");
    const AclEntry entries[] = {MakeAclEntry({0x00, 0x1a, 0x2b, 0xcc, 0xfe, 0x0f}, "Front desk"),
                                Client(1, ""), Client(2, "two\nlines")};
    EXPECT_EQ(FormatAclListFile(entries),
              "00:1A:2B:CC:FE:0F\tFront desk\r\n02:00:00:00:00:01\t\r\n02:00:00:00:00:02\ttwo lines\r\n");
}

// A description a station sent with line breaks in it stays one client's line: read back, it is that client
// and no other.
TEST(ConfigAclListFile, LineBreaksInADescriptionAreWrittenAsSpaces) {
    const AclEntry entries[] = {Client(1, "Lobby\n02:00:00:00:00:66\tEVIL"), Client(2, "a\r\nb\rc")};
    const std::string file = FormatAclListFile(entries);
    EXPECT_EQ(file, "02:00:00:00:00:01\tLobby 02:00:00:00:00:66\tEVIL\r\n02:00:00:00:00:02\ta  b c\r\n");
    const std::vector<AclEntry> back = ParseAclListFile(file);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].corvaneId, entries[0].corvaneId);
    EXPECT_EQ(back[1].corvaneId, entries[1].corvaneId);
}

TEST(ConfigAclListFile, APersonsDescriptionHoldsNoLineBreakOrNul) {
    const std::pair<std::string, bool> cases[] = {
        {"Front desk", true}, {"", true},        {"a\tb \x80\xFF", true},         {"Lobby\n", false},
        {"\rLobby", false},   {"a\r\nb", false}, {std::string("a\0b", 3), false},
    };
    for (const auto& [description, allowed] : cases) {
        EXPECT_EQ(AclDescriptionAllowed(description), allowed) << description;
    }
}

struct ImportCase {
    const char* name;
    std::string file;
    std::vector<AclEntry> expected;
};

TEST(ConfigAclListFile, ImportReadsLinesByTheFileRules) {
    const std::string longDescription(40, 'd');
    const ImportCase cases[] = {
        {"tab then word", "02:00:00:00:00:01\tOffice\r\n", {Client(1, "Office")}},
        {"space instead of tab stays", "02:00:00:00:00:01 Office\r\n", {Client(1, " Office")}},
        {"only the first tab is dropped", "02:00:00:00:00:01\t\tOffice\r\n", {Client(1, "\tOffice")}},
        {"inner tabs stay", "02:00:00:00:00:01\ta\tb\r\n", {Client(1, "a\tb")}},
        {"ten digits before the tab: skipped", "02:00:00:00:00\tShort\r\n", {}},
        {"last line without line end: skipped",
         "02:00:00:00:00:01\tA\r\n02:00:00:00:00:02",
         {Client(1, "A")}},
        {"ID then line end: empty description", "02:00:00:00:00:01\r\n", {Client(1, "")}},
        {"separators and case as typed",
         "  0200 0000 00ab\tx\n02-00-00-00-00-AC\ty\n",
         {Client(0xab, "x"), Client(0xac, "y")}},
        {"bare line feeds end lines too",
         "02:00:00:00:00:01\ta\n02:00:00:00:00:02\tb\n",
         {Client(1, "a"), Client(2, "b")}},
        {"a lone carriage return stays", "02:00:00:00:00:01\ta\rb\r\r\n", {Client(1, "a\rb\r")}},
        {"junk lines are skipped",
         "hello\r\n\r\n02:00:00:00:00:0G\tbad\r\n02:00:00:00:00:01\tok\r\n",
         {Client(1, "ok")}},
        {"long description cut to 33",
         "02:00:00:00:00:01\t" + longDescription + "\r\n",
         {Client(1, std::string(33, 'd'))}},
        {"a zero byte ends the line's text",
         std::string("02:00:00:00:00:01\tOff\0ice\r\n", 26),
         {Client(1, "Off")}},
        {"repeated IDs are all returned",
         "02:00:00:00:00:01\ta\r\n02:00:00:00:00:01\tb\r\n",
         {Client(1, "a"), Client(1, "b")}},
    };
    for (const ImportCase& c : cases) {
        EXPECT_EQ(ParseAclListFile(c.file), c.expected) << c.name;
    }
}

TEST(ConfigAclListFile, LinesLongerThan127CharactersAreReadInPieces) {
    // 18 + 109 characters fill the first piece; the second piece starts with a second ID of its own.
    const std::string line =
        "02:00:00:00:00:01\t" + std::string(109, 'x') + "02:00:00:00:00:02\tsecond piece\r\n";
    EXPECT_EQ(ParseAclListFile(line),
              (std::vector{Client(1, std::string(33, 'x')), Client(2, "second piece")}));
    // A piece that ends exactly at the line feed leaves nothing for a further piece.
    const std::string exact = "02:00:00:00:00:03\t" + std::string(108, 'y') + "\r\n";
    EXPECT_EQ(ParseAclListFile(exact), (std::vector{Client(3, std::string(33, 'y'))}));
}

TEST(ConfigAclListFile, StoringManyEqualsStoringOneByOne) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::vector<AclEntry> list, stored;
        std::vector<AclEntry> added;
        for (int i = int(random() % 20); i > 0; --i) {
            list.push_back(Client(std::uint8_t(random() % 8), std::to_string(random() % 100)));
        }
        for (int i = int(random() % 20); i > 0; --i) {
            added.push_back(Client(std::uint8_t(random() % 12), std::to_string(random() % 100)));
        }
        stored = list;
        for (const AclEntry& entry : added) {
            StoreAclEntry(list, entry.corvaneId, entry);
        }
        StoreAclEntries(stored, added);
        ASSERT_EQ(stored, list) << "round " << round;
    }
}

} // namespace
} // namespace corvane
