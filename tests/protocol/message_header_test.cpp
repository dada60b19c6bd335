// SPDX-License-Identifier: Apache-2.0
#include "config/byte_order.h"
#include "config/checksum.h"
#include "config/scrambling.h"
#include "protocol/dotted_quad.h"
#include "protocol/message_header.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace corvane {
namespace {

std::uint32_t WordAt(const MessageHeader& header, std::size_t offset) {
    return LoadBigEndian32(header.data() + offset);
}

TEST(ProtocolMessageHeader, RequestLayout) {
    const std::uint8_t body[] = {1, 2, 3, 4, 5};
    MessageHeader header;
    BuildMessageHeader(0x11, 0x22, 20, sizeof body, body, "secret", header);
    // 0: magic, 4: version
    EXPECT_EQ(std::memcmp(header.data(), "cvcp", 4), 0);
    EXPECT_EQ(WordAt(header, 4), 1u);
    // 12: body checksum, 16: body length, 20/24: reserved words, 28: command, 32: status
    EXPECT_EQ(WordAt(header, 12), ComputeChecksum(1, 5000, body, sizeof body));
    EXPECT_EQ(WordAt(header, 16), 5u);
    EXPECT_EQ(WordAt(header, 20), 0x11u);
    EXPECT_EQ(WordAt(header, 24), 0x22u);
    EXPECT_EQ(WordAt(header, 28), 20u);
    EXPECT_EQ(WordAt(header, 32), 0u);
    for (std::size_t i : {36u, 47u, 80u, 127u}) {
        EXPECT_EQ(header[i], 0) << i;
    }
    // 48: the password, scrambled over the whole 32-byte field
    std::uint8_t field[32] = {'s', 'e', 'c', 'r', 'e', 't'};
    ScrambleBytes(32, field);
    EXPECT_EQ(std::memcmp(header.data() + 48, field, 32), 0);
    // 8: header checksum over the header with the field zero
    MessageHeader zeroed = header;
    std::memset(zeroed.data() + 8, 0, 4);
    EXPECT_EQ(WordAt(header, 8), ComputeChecksum(1, 5000, zeroed.data(), 128));
    EXPECT_TRUE(VerifyMessageHeader(header));
}

TEST(ProtocolMessageHeader, NoBodyAndEmptyBody) {
    MessageHeader header;
    BuildMessageHeader(0, 0, 21, kNoBody, nullptr, "", header);
    EXPECT_EQ(WordAt(header, 16), 0xFFFFFFFFu);
    EXPECT_EQ(WordAt(header, 12), 1u);
    BuildMessageHeader(0, 0, 21, 0, nullptr, "", header);
    EXPECT_EQ(WordAt(header, 16), 0u);
    EXPECT_EQ(WordAt(header, 12), 1u);
}

struct PasswordCase {
    const char* name;
    const char* password;
    std::string field; // the 32 plain bytes expected before scrambling
};

TEST(ProtocolMessageHeader, PasswordFieldIsABoundedCopy) {
    const std::string exact(32, 'p');
    const std::string longer = exact + "overflow";
    const PasswordCase cases[] = {
        {"empty gives the key stream", "", std::string(32, '\0')},
        {"absent gives the factory password", nullptr, std::string("orchid") + std::string(26, '\0')},
        {"exactly 32 bytes, no terminator", exact.c_str(), exact},
        {"longer is cut at 32", longer.c_str(), exact},
    };
    for (const auto& c : cases) {
        MessageHeader header;
        BuildMessageHeader(0, 0, 3, 0, nullptr, c.password, header);
        std::string sent(reinterpret_cast<const char*>(header.data() + 48), 32);
        ScrambleBytes(32, sent.data());
        EXPECT_EQ(sent, c.field) << c.name;
    }
}

TEST(ProtocolMessageHeader, EveryByteOutsideTheChecksumIsCovered) {
    MessageHeader header;
    BuildMessageHeader(0, 0, 20, kNoBody, nullptr, "pw", header);
    for (std::size_t i = 0; i < kMessageHeaderSize; ++i) {
        if (i >= 8 && i < 12) {
            continue;
        }
        MessageHeader changed = header;
        changed[i] ^= 0x01;
        EXPECT_FALSE(VerifyMessageHeader(changed)) << "byte " << i;
    }
}

TEST(ProtocolMessageHeader, ReplyWithWrongChecksumIsRejectedEvenWithStatusZero) {
    MessageHeader reply;
    BuildMessageHeader(0, 0, 20, kNoBody, nullptr, "pw", reply);
    ASSERT_EQ(WordAt(reply, 32), 0u);
    const MessageHeader before = reply;
    reply[9] ^= 0x40;
    EXPECT_FALSE(VerifyMessageHeader(reply));
    reply = before;
    EXPECT_TRUE(VerifyMessageHeader(reply));
    EXPECT_EQ(reply, before); // verifying leaves the bytes alone
}

TEST(ProtocolDottedQuad, MostSignificantByteFirst) {
    EXPECT_EQ(FormatDottedQuad(0x0A010205), "10.1.2.5");
    EXPECT_EQ(FormatDottedQuad(0), "0.0.0.0");
    EXPECT_EQ(FormatDottedQuad(0xFFFFFFFF), "255.255.255.255");
}

} // namespace
} // namespace corvane
