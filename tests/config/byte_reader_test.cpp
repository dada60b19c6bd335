// SPDX-License-Identifier: Apache-2.0
#include "config/byte_reader.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace corvane {
namespace {

// One read of a table case: how many bytes it asks for (4 and 2 are the numbers, other widths byte runs).
enum class Read { Number32, Number16, Bytes, Skip };

struct ReadStep {
    Read read;
    std::size_t count; // for Bytes and Skip
    bool done;
    std::uint32_t value; // the number, or the first byte of a run
    std::size_t offsetAfter;
};

struct ReaderCase {
    const char* what;
    std::vector<std::uint8_t> bytes;
    std::vector<ReadStep> steps;
};

bool Perform(ByteReader& reader, const ReadStep& step, std::uint32_t& value) {
    switch (step.read) {
    case Read::Number32:
        return reader.Read32(value);
    case Read::Number16: {
        std::uint16_t narrow = 0;
        const bool done = reader.Read16(narrow);
        value = narrow;
        return done;
    }
    case Read::Bytes: {
        std::span<const std::uint8_t> run;
        const bool done = reader.ReadBytes(step.count, run);
        value = done && !run.empty() ? run[0] : 0;
        EXPECT_EQ(run.size(), done ? step.count : 0);
        return done;
    }
    case Read::Skip:
        return reader.Skip(step.count);
    }
    return false;
}

TEST(ByteReaderTest, ReadsInsideTheSpanAndRefusesToPassItsEnd) {
    const std::vector<std::uint8_t> six = {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC};
    const ReaderCase cases[] = {
        {"numbers in bounds",
         six,
         {{Read::Number32, 0, true, 0x12345678, 4}, {Read::Number16, 0, true, 0x9ABC, 6}}},
        {"a run and a skip", six, {{Read::Skip, 1, true, 0, 1}, {Read::Bytes, 3, true, 0x34, 4}}},
        {"up to the very end", six, {{Read::Bytes, 6, true, 0x12, 6}, {Read::Bytes, 0, true, 0, 6}}},
        {"a number past the end",
         six,
         {{Read::Number16, 0, true, 0x1234, 2},
          {Read::Number32, 0, true, 0x56789ABC, 6},
          {Read::Number16, 0, false, 0, 6}}},
        {"a read that would pass the end reads nothing",
         six,
         {{Read::Skip, 3, true, 0, 3},
          {Read::Number32, 0, false, 0, 3},
          {Read::Bytes, 4, false, 0, 3},
          {Read::Skip, 4, false, 0, 3},
          {Read::Bytes, 3, true, 0x78, 6}}},
        {"a huge count",
         six,
         {{Read::Skip, std::size_t(-1), false, 0, 0}, {Read::Number16, 0, true, 0x1234, 2}}},
        {"an empty span",
         {},
         {{Read::Number32, 0, false, 0, 0},
          {Read::Number16, 0, false, 0, 0},
          {Read::Bytes, 1, false, 0, 0},
          {Read::Skip, 0, true, 0, 0}}},
    };
    for (const ReaderCase& c : cases) {
        ByteReader reader(c.bytes);
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const ReadStep& step = c.steps[i];
            std::uint32_t value = 0;
            EXPECT_EQ(Perform(reader, step, value), step.done) << c.what << ", step " << i;
            EXPECT_EQ(value, step.value) << c.what << ", step " << i;
            EXPECT_EQ(reader.Offset(), step.offsetAfter) << c.what << ", step " << i;
            EXPECT_EQ(reader.Left(), c.bytes.size() - step.offsetAfter) << c.what << ", step " << i;
        }
    }
}

} // namespace
} // namespace corvane
