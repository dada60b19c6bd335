// SPDX-License-Identifier: Apache-2.0
#include "config/checksum.h"
#include "config/scrambling.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <vector>
#include <zlib.h>

namespace corvane {
namespace {

TEST(Checksum, AbcWithEitherBlockSize) {
    const char* abc = "abc";
    EXPECT_EQ(ComputeChecksum(1, 5000, abc, 3), 0x024D0127u);
    EXPECT_EQ(ComputeChecksum(1, 0, abc, 3), 0x024D0127u);
}

TEST(Checksum, EmptyInputGivesStartValue) {
    EXPECT_EQ(ComputeChecksum(1, 5000, nullptr, 0), 1u);
    EXPECT_EQ(ComputeChecksum(0x12345678, 5000, nullptr, 0), 0x12345678u);
}

// zlib's Adler-32 is the oracle; lengths cross every block boundary and the 32-byte chunk.
TEST(Checksum, EqualsReferenceAdler32ForAllBlockSizes) {
    std::mt19937 random(20261209);
    std::vector<std::uint8_t> data(20000);
    for (auto& b : data) {
        b = std::uint8_t(random());
    }
    std::vector<std::uint32_t> lengths = {0,   1,    15,   16,   17,   31,   32,    33,   64,
                                          255, 5000, 5001, 5551, 5552, 5553, 11104, 20000};
    for (int i = 0; i < 40; ++i) {
        lengths.push_back(random() % 20001);
    }
    for (std::uint32_t block : {0u, 1u, 16u, 5000u, 5552u}) {
        for (std::uint32_t length : lengths) {
            const auto expected = std::uint32_t(adler32(1, data.data(), length));
            EXPECT_EQ(ComputeChecksum(1, block, data.data(), length), expected)
                << "block " << block << " length " << length;
        }
    }
}

TEST(Checksum, AllOnesBytesDoNotOverflowTheLargestBlock) {
    std::vector<std::uint8_t> data(20000, 0xFF);
    const auto expected =
        std::uint32_t(adler32(adler32(0, nullptr, 0), data.data(), std::uint32_t(data.size())));
    EXPECT_EQ(ComputeChecksum(1, 5552, data.data(), std::uint32_t(data.size())), expected);
    EXPECT_EQ(ComputeChecksum(1, 100000, data.data(), std::uint32_t(data.size())),
              expected); // clamped, still right
}

// Continuing from the checksum of earlier bytes, as an upload chains its block checksum from the trailer's.
TEST(Checksum, ContinuesFromAnEarlierChecksumAndOverZeros) {
    std::mt19937 random(7);
    std::vector<std::uint8_t> data(70000);
    for (auto& b : data) {
        b = std::uint8_t(random());
    }
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

TEST(Scrambling, IsItsOwnInverseAcrossTheCounterWrap) {
    for (std::uint32_t length : {0u, 1u, 16u, 17u, 255u, 256u, 257u, 1000u}) {
        std::vector<std::uint8_t> data(length);
        for (std::uint32_t i = 0; i < length; ++i) {
            data[i] = std::uint8_t(i * 7 + 3);
        }
        const auto original = data;
        ScrambleBytes(length, data.data());
        if (length > 0) {
            EXPECT_NE(data, original);
        }
        ScrambleBytes(length, data.data());
        EXPECT_EQ(data, original) << length;
    }
}

TEST(Scrambling, KeyRestartsEvery16BytesWhileCounterRunsOn) {
    std::vector<std::uint8_t> zeros(300, 0);
    ScrambleBytes(std::uint32_t(zeros.size()), zeros.data());
    EXPECT_EQ(zeros[0], 0x3c ^ 85);
    for (std::size_t i = 0; i < zeros.size(); ++i) {
        ASSERT_EQ(zeros[i], kScrambleKey[i % 16] ^ std::uint8_t(i + 85)) << i;
    }
}

} // namespace
} // namespace corvane
