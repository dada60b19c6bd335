// SPDX-License-Identifier: Apache-2.0
#include "config/windows_1252.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(Windows1252Test, EveryByteStringSurvivesARoundTrip) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    std::string back = "old";
    ASSERT_TRUE(Utf8ToWindows1252(Windows1252ToUtf8(all), back));
    EXPECT_EQ(back, all);
}

struct Held {
    const char* bytes;
    const char* utf8;
};

TEST(Windows1252Test, ConvertsToAndFromUtf8) {
    const Held cases[] = {
        {"Attic", "Attic"},
        {"B\xFCro \xE9t\xE9", "B\xC3\xBCro \xC3\xA9t\xC3\xA9"},                           // Latin-1 letters
        {"\x80\x85\x8A\x99\x9F", "\xE2\x82\xAC\xE2\x80\xA6\xC5\xA0\xE2\x84\xA2\xC5\xB8"}, // € … Š ™ Ÿ
        {"\x81\x9D", "\xC2\x81\xC2\x9D"}, // unassigned: the C1 controls of the same number
        {"\xA0\xFF", "\xC2\xA0\xC3\xBF"},
        {"", ""},
    };
    for (const Held& c : cases) {
        EXPECT_EQ(Windows1252ToUtf8(c.bytes), c.utf8) << c.utf8;
        std::string bytes;
        EXPECT_TRUE(Utf8ToWindows1252(c.utf8, bytes)) << c.utf8;
        EXPECT_EQ(bytes, c.bytes) << c.utf8;
    }
}

struct Refused {
    const char* utf8;
    char32_t character;
};

TEST(Windows1252Test, RefusesWhatItCannotHoldAndNamesIt) {
    const Refused cases[] = {
        {"ab\xC4\x80", 0x100},           // Ā
        {"\xE4\xB8\xAD", 0x4E2D},        // 中
        {"x\xF0\x9F\x98\x80y", 0x1F600}, // beyond the BMP
        {"\xC2\x80", 0x80},              // U+0080: byte 0x80 is the euro sign
        {"\xEF\xBF\xBD", 0xFFFD},        // a replacement character typed as such
        {"a\x80", 0xFFFD},               // malformed: a lone continuation byte
        {"\xC3", 0xFFFD},                // malformed: cut short
        {"\xC0\xAF", 0xFFFD},            // malformed: overlong
        {"\xED\xA0\x80", 0xFFFD},        // malformed: a surrogate
    };
    for (const Refused& c : cases) {
        std::string bytes = "kept";
        char32_t refused = 0;
        EXPECT_FALSE(Utf8ToWindows1252(c.utf8, bytes, &refused)) << c.utf8;
        EXPECT_EQ(refused, c.character) << c.utf8;
        EXPECT_EQ(bytes, "kept");
    }
}

TEST(Windows1252Test, CodePointsMapBothWays) {
    for (int byte = 0; byte < 256; ++byte) {
        unsigned char back = 0;
        ASSERT_TRUE(CodePointToWindows1252(Windows1252ToCodePoint(static_cast<unsigned char>(byte)), back));
        EXPECT_EQ(back, byte);
    }
    unsigned char byte = 0;
    EXPECT_FALSE(CodePointToWindows1252(0x100, byte));
    EXPECT_FALSE(CodePointToWindows1252(0x110000, byte));
}

} // namespace
} // namespace corvane
