// SPDX-License-Identifier: Apache-2.0
#include "config/status_codes.h"
#include "protocol/host_resolution.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace corvane {
namespace {

TEST(HostResolutionTest, DottedQuadsWithAndWithoutPort) {
    struct Case {
        const char* text;
        bool isQuad;
        std::uint32_t address;
        std::uint16_t port;
    };
    const Case cases[] = {
        {"10.1.2.3:5010", true, 0x0A010203, 5010},
        {"10.1.2.3", true, 0x0A010203, 0},
        {"255.255.255.255", true, 0xFFFFFFFF, 0},
        {"0.0.0.0:", true, 0, 0},
        {"10.1.2.3:80x7", true, 0x0A010203, 80},    // the port's digit run ends at the first non-digit
        {"10.1.2.3:70000", true, 0x0A010203, 4464}, // 16 bits, no range check
        {"010.001.2.3", true, 0x0A010203, 0},
        {"10.1.2.256", false, 0, 0},
        {"10.1.2", false, 0, 0},
        {"10..2.3", false, 0, 0},
        {".10.1.2.3", false, 0, 0},
        {"station:80", false, 0, 0},
        {"", false, 0, 0},
    };
    for (const Case& c : cases) {
        std::uint32_t address = 0;
        std::uint16_t port = 0;
        ASSERT_EQ(ParseDottedQuad(c.text, address, port), c.isQuad) << c.text;
        if (c.isQuad) {
            EXPECT_EQ(address, c.address) << c.text;
            EXPECT_EQ(port, c.port) << c.text;
        }
    }
}

// What a person typed is an address only as a whole: nothing after it is dropped.
TEST(HostResolutionTest, WholeDottedQuadsTakeNothingMore) {
    struct Case {
        const char* text;
        bool allowPort;
        bool isQuad;
        std::uint32_t address;
        std::uint16_t port;
    };
    const Case cases[] = {
        {"10.0.1.1", false, true, 0x0A000101, 0},
        {"10.0.1.1", true, true, 0x0A000101, 0},
        {"10.0.1.1:5010", true, true, 0x0A000101, 5010},
        {"10.0.1.1:65535", true, true, 0x0A000101, 65535},
        {"10.0.1.1:5010", false, false, 0, 0},
        {"10.0.1.1.5", true, false, 0, 0},
        {"10.0.1.2 junk", true, false, 0, 0},
        {"10.0.1.2 ", false, false, 0, 0},
        {" 10.0.1.2", false, false, 0, 0},
        {"10.0.1.2:", true, false, 0, 0},
        {"10.0.1.2:0", true, false, 0, 0},
        {"10.0.1.2:65536", true, false, 0, 0},
        {"10.0.1.2:080x", true, false, 0, 0},
        {"10.0.1.2:000080", true, false, 0, 0},
        {"10.0.1.256", true, false, 0, 0},
        {"", true, false, 0, 0},
    };
    for (const Case& c : cases) {
        std::uint32_t address = 0;
        std::uint16_t port = 0;
        ASSERT_EQ(ParseWholeDottedQuad(c.text, c.allowPort, address, port), c.isQuad) << c.text;
        if (c.isQuad) {
            EXPECT_EQ(address, c.address) << c.text;
            EXPECT_EQ(port, c.port) << c.text;
        }
    }
    std::uint32_t address = 0;
    std::uint16_t port = 0;
    EXPECT_FALSE(ParseWholeDottedQuad(std::string_view("10.0.1.2\0junk", 13), false, address, port))
        << "a zero byte ends nothing";
}

TEST(HostResolutionTest, ResolvesQuadsNamesAndTheLocalComputer) {
    AddressRecord record;
    std::uint16_t port = 1;
    ASSERT_EQ(ResolveHost(nullptr, "10.1.2.3:5010", 0, 0, &record, &port), 0);
    EXPECT_EQ(record.kind, kAddressKindIPv4);
    EXPECT_EQ(record.address, 0x0A010203u);
    EXPECT_EQ(port, 5010);

    // A name's ":port" is dropped and ignored.
    ASSERT_EQ(ResolveHost(nullptr, "localhost:80", 0, 0, &record, &port), 0);
    EXPECT_EQ(record.address, 0x7F000001u);
    EXPECT_EQ(port, 0);

    std::uint32_t local = 0;
    ASSERT_EQ(GetLocalHostAddress(0, &local), 0);
    ASSERT_EQ(ResolveHost(nullptr, "", 0, 0, &record, &port), 0);
    EXPECT_EQ(record.address, local);
    ASSERT_EQ(ResolveHost(nullptr, nullptr, 0, 0, &record, &port), 0);
    EXPECT_EQ(record.address, local);
}

TEST(HostResolutionTest, FailuresHaveTheirOwnStatus) {
    AddressRecord record;
    std::uint16_t port = 0;
    std::uint32_t address = 0;
    EXPECT_EQ(LookupHostByName("localhost", 100, &address), socket_status::kNoAddressAtPosition);
    EXPECT_EQ(ResolveHost(nullptr, "10.1.2.3", 1, 0, &record, &port), socket_status::kBadArgument);
    EXPECT_EQ(ResolveHost(nullptr, "10.1.2.3", 0, 0, nullptr, &port), socket_status::kBadArgument);
    const std::string tooLong = std::string(256, 'a') + ":80";
    EXPECT_EQ(ResolveHost(nullptr, tooLong.c_str(), 0, 0, &record, &port), socket_status::kBadArgument);
}

} // namespace
} // namespace corvane
