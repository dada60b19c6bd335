// SPDX-License-Identifier: Apache-2.0
#include "config/hex_text.h"
#include "config/md5.h"
#include "config/network_password.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::string Hex(std::span<const std::uint8_t> bytes) {
    std::string text(bytes.size() * 2, '?');
    text.resize(HexEncode(bytes, text));
    return text;
}

TEST(ConfigMd5, Rfc1321TestSuite) {
    const struct {
        std::string message;
        const char* digest;
    } cases[] = {
        {"", "D41D8CD98F00B204E9800998ECF8427E"},
        {"a", "0CC175B9C0F1B6A831C399E269772661"},
        {"abc", "900150983CD24FB0D6963F7D28E17F72"},
        {"message digest", "F96B697D7CB7938D525A2F31AAF161D0"},
        {"abcdefghijklmnopqrstuvwxyz", "C3FCD3D76192E4007DFB496CCA67E13B"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "D174AB98D277D9F5A5611C2C9F419D9F"},
        {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "57EDF4A22BE3C955AC49DA2E2107B67A"},
    };
    for (const auto& c : cases) {
        Md5Context context;
        Md5Digest digest;
        Md5Init(context);
        // Fed in uneven pieces so that buffering across blocks is exercised too.
        for (std::size_t at = 0; at < c.message.size(); at += 7) {
            Md5Update(context, c.message.data() + at, std::min<std::size_t>(7, c.message.size() - at));
        }
        Md5Final(context, digest);
        EXPECT_EQ(Hex(digest), c.digest) << c.message;
    }
}

TEST(ConfigMd5, FinalisingZeroesTheWholeContext) {
    Md5Context context;
    Md5Digest digest;
    Md5Init(context);
    Md5Update(context, "abc", 3);
    Md5Final(context, digest);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&context);
    EXPECT_TRUE(std::all_of(bytes, bytes + sizeof context, [](std::uint8_t b) { return b == 0; }));
}

TEST(ConfigDeriveWepKey, ChainsFromAZeroStateAndIsStable) {
    std::uint8_t key40[5], key128[13], again[13];
    ASSERT_EQ(DeriveWepKey("network", false, key40), 0);
    ASSERT_EQ(DeriveWepKey("network", true, key128), 0);
    ASSERT_EQ(DeriveWepKey(std::string_view("network\0ignored", 15), true, again), 0); // text ends at its NUL
    EXPECT_TRUE(std::equal(key40, key40 + 5, key128));
    EXPECT_TRUE(std::equal(key128, key128 + 13, again));
    ASSERT_EQ(DeriveWepKey("Network", true, again), 0);
    EXPECT_FALSE(std::equal(key128, key128 + 13, again));
}

TEST(ConfigNetworkPassword, FormsOfThePassword) {
    auto derived = [](const char* text, bool is128) {
        Bytes key(is128 ? 13 : 5);
        EXPECT_EQ(DeriveWepKey(text, is128, key.data()), 0);
        return key;
    };
    const std::string hex26 = "0102030405060708090A0B0C0D";
    const struct {
        const char* name;
        std::string text;
        std::uint32_t mode;
        bool valid;
        Bytes key;
    } cases[] = {
        {"quoted 40-bit", "\"ab\x01yz\"", kWep40, true, {'a', 'b', 1, 'y', 'z'}},
        {"dollar hex", "$0A1b2C3d4E", kWep40, true, {0x0A, 0x1B, 0x2C, 0x3D, 0x4E}},
        {"0x hex", "0x0A1b2C3d4E", kWep40, true, {0x0A, 0x1B, 0x2C, 0x3D, 0x4E}},
        {"0X hex", "0X0A1b2C3d4E", kWep40, true, {0x0A, 0x1B, 0x2C, 0x3D, 0x4E}},
        {"dollar with non-hex digits", "$0A1B2C3DZZ", kWep40, false, {}},
        {"0x with a blank inside", "0x0A1B2C3D 4", kWep40, false, {}},
        {"empty", "", kWep40, false, {}},
        {"dollar 26 digits at 128-bit",
         "$" + hex26,
         kWep128,
         true,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        {"dollar 26 digits at 40-bit is normal text", "$" + hex26, kWep40, true,
         derived(("$" + hex26).c_str(), false)},
        {"open quote only", "\"abcdef", kWep40, true, derived("\"abcdef", false)},
        {"quoted of the other size", "\"abcde\"", kWep128, true, derived("\"abcde\"", true)},
        {"normal text", "my network", kWep128, true, derived("my network", true)},
        {"mode 0 means 40-bit", "$0A1b2C3d4E", kWepOff, true, {0x0A, 0x1B, 0x2C, 0x3D, 0x4E}},
    };
    for (const auto& c : cases) {
        Bytes key = {0xEE};
        EXPECT_EQ(ParseNetworkPassword(c.text, c.mode, key), c.valid) << c.name;
        if (c.valid) {
            EXPECT_EQ(key, c.key) << c.name;
        }
    }
}

TEST(ConfigWepKey, RecordHoldsTheKeyReversed) {
    ConfigRecord r;
    const Bytes key = {1, 2, 3, 4, 5};
    SetWepKey(r, key);
    EXPECT_EQ(r.raWE, (Bytes{5, 4, 3, 2, 1}));
    EXPECT_EQ(GetWepKey(r), key);
    EXPECT_EQ(Hex(GetWepKey(r)), "0102030405");
}

TEST(ConfigHexText, EncodeStopsAtTheCapacity) {
    const Bytes bytes = {0x12, 0x34};
    char out[4] = {'.', '.', '.', '.'};
    EXPECT_EQ(HexEncode(bytes, std::span<char>(out, 3)), 3u);
    EXPECT_EQ(std::string(out, 4), "123.");
    EXPECT_EQ(Hex(Bytes{0xAB, 0x0F}), "AB0F");
}

TEST(ConfigHexText, Decode) {
    const struct {
        const char* text;
        std::size_t capacity;
        bool ok;
        Bytes bytes;
        std::size_t stop;
    } cases[] = {
        {"  0A0b", 4, true, {0x0A, 0x0B}, 6},
        {"0A 0B", 4, false, {0x0A}, 2},
        {"", 4, true, {}, 0},
        {" \t\r\n", 4, true, {}, 4},
        {"0A0", 4, false, {0x0A}, 2},
        {"0A0B0C", 2, true, {0x0A, 0x0B}, 6}, // read on, stored no more
        {"xy", 4, false, {}, 0},
    };
    for (const auto& c : cases) {
        Bytes out(c.capacity, 0xEE);
        TextScan scan;
        EXPECT_EQ(HexDecode(c.text, out, &scan), c.ok) << c.text;
        EXPECT_EQ(Bytes(out.begin(), out.begin() + scan.count), c.bytes) << c.text;
        EXPECT_EQ(scan.stop, c.stop) << c.text;
        EXPECT_EQ(scan.left, std::strlen(c.text) - c.stop) << c.text;
    }
}

TEST(ConfigHexText, MacAddresses) {
    const MacAddress expected{0x00, 0x11, 0x22, 0x33, 0x44, 0x55};
    for (const char* text : {"00:11:22:33:44:55", "00-11-22-33-44-55", "001122334455", "00 11 22:33-44 55",
                             "  0011:2233:4455", "001122334455 and more", "00112233445566"}) {
        MacAddress mac{};
        EXPECT_TRUE(ParseMacAddress(text, mac)) << text;
        EXPECT_EQ(mac, expected) << text;
    }
    for (const char* text : {"00:11:22:33:44", "", "00:11:22:33:44:5x", "00.11.22.33.44.55"}) {
        MacAddress mac{9, 9, 9, 9, 9, 9};
        EXPECT_FALSE(ParseMacAddress(text, mac)) << text;
        EXPECT_EQ(mac, (MacAddress{9, 9, 9, 9, 9, 9})) << text;
    }
    EXPECT_EQ(FormatMacAddress({0x00, 0x0a, 0xB0, 0xff, 0x01, 0x99}), "00:0A:B0:FF:01:99");
}

} // namespace
} // namespace corvane
