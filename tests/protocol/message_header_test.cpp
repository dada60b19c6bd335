#include "config/byte_order.h"
#include "protocol/dotted_quad.h"
#include "protocol/message_header.h"

#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>
#include <zlib.h>

namespace corvane {
namespace {

std::uint32_t WordAt(const MessageHeader& header, std::size_t offset) {
    return LoadBigEndian32(header.data() + offset);
}

TEST(ProtocolChecksum, AbcWithEitherBlockSize) {
    const char* abc = "abc";
    EXPECT_EQ(ComputeChecksum(1, 5000, abc, 3), 0x024D0127u);
    EXPECT_EQ(ComputeChecksum(1, 0, abc, 3), 0x024D0127u);
}

TEST(ProtocolChecksum, EmptyInputGivesStartValue) {
    EXPECT_EQ(ComputeChecksum(1, 5000, nullptr, 0), 1u);
    EXPECT_EQ(ComputeChecksum(0x12345678, 5000, nullptr, 0), 0x12345678u);
}

// zlib's Adler-32 is the oracle; lengths cross every block boundary and the 32-byte chunk.
TEST(ProtocolChecksum, EqualsReferenceAdler32ForAllBlockSizes) {
    std::mt19937 random(20261209);
    std::vector<std::uint8_t> data(20000);
    for (auto& b : data)
        b = std::uint8_t(random());
    std::vector<std::uint32_t> lengths = {0,   1,    15,   16,   17,   31,   32,    33,   64,
                                          255, 5000, 5001, 5551, 5552, 5553, 11104, 20000};
    for (int i = 0; i < 40; ++i)
        lengths.push_back(random() % 20001);
    for (std::uint32_t block : {0u, 1u, 16u, 5000u, 5552u}) {
        for (std::uint32_t length : lengths) {
            const auto expected = std::uint32_t(adler32(1, data.data(), length));
            EXPECT_EQ(ComputeChecksum(1, block, data.data(), length), expected)
                << "block " << block << " length " << length;
        }
    }
}

TEST(ProtocolChecksum, AllOnesBytesDoNotOverflowTheLargestBlock) {
    std::vector<std::uint8_t> data(20000, 0xFF);
    const auto expected =
        std::uint32_t(adler32(adler32(0, nullptr, 0), data.data(), std::uint32_t(data.size())));
    EXPECT_EQ(ComputeChecksum(1, 5552, data.data(), std::uint32_t(data.size())), expected);
    EXPECT_EQ(ComputeChecksum(1, 100000, data.data(), std::uint32_t(data.size())),
              expected); // clamped, still right
}

// Continuing from the checksum of earlier bytes, as an upload chains its block checksum from the trailer's.
TEST(ProtocolChecksum, ContinuesFromAnEarlierChecksumAndOverZeros) {
    std::mt19937 random(7);
    std::vector<std::uint8_t> data(70000);
    for (auto& b : data)
        b = std::uint8_t(random());
    const std::vector<std::uint8_t> zeros(200000, 0);
    for (std::uint32_t split : {0u, 1u, 33u, 5000u, 65521u, 70000u}) {
        const std::uint32_t prefix = ComputeChecksum(1, 5000, data.data(), split);
        EXPECT_EQ(ComputeChecksum(prefix, 5000, data.data() + split, std::uint32_t(data.size()) - split),
                  std::uint32_t(adler32(1, data.data(), std::uint32_t(data.size()))));
        for (std::uint32_t count : {0u, 1u, 65520u, 65521u, 65522u, 200000u}) {
            const auto expected = std::uint32_t(adler32(prefix, zeros.data(), count));
            EXPECT_EQ(ExtendChecksumWithZeros(prefix, count), expected)
                << "split " << split << " zeros " << count;
        }
    }
}

TEST(ProtocolScramble, IsItsOwnInverseAcrossTheCounterWrap) {
    for (std::uint32_t length : {0u, 1u, 16u, 17u, 255u, 256u, 257u, 1000u}) {
        std::vector<std::uint8_t> data(length);
        for (std::uint32_t i = 0; i < length; ++i)
            data[i] = std::uint8_t(i * 7 + 3);
        const auto original = data;
        ScrambleBytes(length, data.data());
        if (length > 0) {
            EXPECT_NE(data, original);
        }
        ScrambleBytes(length, data.data());
        EXPECT_EQ(data, original) << length;
    }
}

TEST(ProtocolScramble, KeyRestartsEvery16BytesWhileCounterRunsOn) {
    std::vector<std::uint8_t> zeros(300, 0);
    ScrambleBytes(std::uint32_t(zeros.size()), zeros.data());
    EXPECT_EQ(zeros[0], 0x3c ^ 85);
    for (std::size_t i = 0; i < zeros.size(); ++i)
        ASSERT_EQ(zeros[i], kScrambleKey[i % 16] ^ std::uint8_t(i + 85)) << i;
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
    for (std::size_t i : {36u, 47u, 80u, 127u})
        EXPECT_EQ(header[i], 0) << i;
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
        if (i >= 8 && i < 12)
            continue;
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
