// SPDX-License-Identifier: Apache-2.0
#include "config/byte_order.h"
#include "config/element_stream.h"
#include "config/property_codec.h"
#include "config/scrambling.h"
#include "config/status_codes.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A peer's bytes; reading past them fails like a closed connection.
class MemorySource {
public:
    explicit MemorySource(Bytes bytes) : bytes_(std::move(bytes)) {}
    static constexpr int kClosed = -6;

    ByteSource AsSource() {
        return [this](std::uint8_t* buffer, std::size_t length) {
            if (length > bytes_.size() - position_) {
                return kClosed;
            }
            std::copy_n(bytes_.data() + position_, length, buffer);
            position_ += length;
            return 0;
        };
    }
    std::size_t Remaining() const { return bytes_.size() - position_; }

private:
    Bytes bytes_;
    std::size_t position_ = 0;
};

Bytes Element(PropertyTag tag, std::uint32_t flags, std::uint32_t length, const Bytes& value) {
    Bytes out(12);
    StoreElementHeader(out.data(), {tag, flags, length});
    out.insert(out.end(), value.begin(), value.end());
    return out;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const auto& p : parts) {
        out.insert(out.end(), p.begin(), p.end());
    }
    return out;
}

const Bytes kEnd = Element(0, 0, 4, {0, 0, 0, 0});

Bytes WrittenSequence(const ConfigRecord& record, std::size_t* elements = nullptr) {
    Bytes out;
    std::size_t count = 0;
    EXPECT_EQ(WriteElementSequence(record, OnPropertyFailure::Stop,
                                   [&](std::span<const std::uint8_t> element) {
                                       out.insert(out.end(), element.begin(), element.end());
                                       ++count;
                                       return 0;
                                   }),
              0);
    if (elements) {
        *elements = count;
    }
    return out;
}

TEST(ConfigElementWriter, DefaultRecordGivesSixtyElements) {
    std::size_t count = 0;
    const Bytes sequence = WrittenSequence(ConfigRecord(), &count);
    EXPECT_EQ(count, 60u);
    const Bytes first = {0x73, 0x79, 0x4E, 0x6D, 0, 0, 0, 2, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(first.begin(), first.end(), sequence.begin()));
    // Walk the elements: tags in transfer-list order, values scrambled as flagged.
    std::size_t position = 0;
    for (const ElementHeader& entry : TransferList) {
        const ElementHeader header = LoadElementHeader(sequence.data() + position);
        EXPECT_EQ(header.tag, entry.tag);
        EXPECT_EQ(header.flags, entry.flags);
        position += 12 + header.length;
    }
    EXPECT_EQ(position, sequence.size());
}

TEST(ConfigElementWriter, ScramblesFlaggedValuesOnly) {
    ConfigRecord r;
    r.syNm = "abc";
    r.raCh = 6;
    const Bytes sequence = WrittenSequence(r);
    Bytes name = {'a', 'b', 'c'};
    ScrambleBytes(3, name.data());
    EXPECT_EQ(Bytes(sequence.begin() + 12, sequence.begin() + 15), name);
    const Bytes channel = Element(MakeTag("raCh"), 0, 4, {0, 0, 0, 6});
    EXPECT_NE(std::search(sequence.begin(), sequence.end(), channel.begin(), channel.end()), sequence.end());
}

TEST(ConfigElementWriter, SinkFailureEndsWriting) {
    int calls = 0;
    EXPECT_EQ(WriteElementSequence(ConfigRecord(), OnPropertyFailure::Skip,
                                   [&](std::span<const std::uint8_t>) { return ++calls == 3 ? -5 : 0; }),
              -5);
    EXPECT_EQ(calls, 3);
}

TEST(ConfigElementReader, WrittenSequenceReadsBackIntoAFreshRecord) {
    ConfigRecord r;
    r.syPW = "secret";
    r.raWE = {5, 4, 3, 2, 1};
    r.pmTa = {{0x0A010205, 80, 8080}};
    r.dhLe = 7200;
    MemorySource peer(Concat({WrittenSequence(r), kEnd}));
    ConfigRecord back;
    EXPECT_EQ(ReadElementStream(back, peer.AsSource()), 0);
    EXPECT_EQ(WrittenSequence(back), WrittenSequence(r));
    EXPECT_EQ(back.raWE, r.raWE);
    EXPECT_EQ(peer.Remaining(), 0u);
}

TEST(ConfigElementReader, StatusElementsCarryExactlyFourBytes) {
    MemorySource peer(Concat({
        Element(MakeTag("raCh"), ELEMENT_STATUS, 100, {0, 0, 0, 9}), // a status element for a property
        Element(MakeTag("raDe"), 0, 4, {0, 0, 0, 3}),
        Element(0, 0, 100, {0, 0, 0, 0}),              // the end, whatever its length says
        Element(MakeTag("raMu"), 0, 4, {0, 0, 0, 17}), // never read
    }));
    ConfigRecord r;
    EXPECT_EQ(ReadElementStream(r, peer.AsSource()), 0);
    EXPECT_EQ(r.raCh, 1u);
    EXPECT_EQ(r.raDe, 3u);
    EXPECT_EQ(r.raMu, 2u);
    EXPECT_EQ(peer.Remaining(), 16u);
}

TEST(ConfigElementReader, UnusableElementsAreSkipped) {
    MemorySource peer(Concat({
        Element(MakeTag("zzzz"), 0, 3, {1, 2, 3}),
        Element(MakeTag("raCh"), 0, 2, {0, 7}),
        Element(MakeTag("pmTa"), 0, 4, {0, 0, 0, 1}),
        Element(MakeTag("syNm"), 0, 0, {}),
        Element(MakeTag("raCl"), 0, 1, {1}),
        kEnd,
    }));
    ConfigRecord r;
    r.syNm = "old";
    EXPECT_EQ(ReadElementStream(r, peer.AsSource()), 0);
    EXPECT_EQ(r.raCh, 1u);
    EXPECT_TRUE(r.syNm.empty());
    EXPECT_EQ(r.raCl, 1);
}

TEST(ConfigElementReader, FailuresEndReadingWithTheirStatus) {
    const struct {
        const char* name;
        Bytes bytes;
        std::uint32_t bound;
        int status;
    } cases[] = {
        {"closed inside a header", Bytes(7, 0), kMaxElementLength, MemorySource::kClosed},
        {"closed inside a value", Element(MakeTag("syNm"), 0, 10, {'a'}), kMaxElementLength,
         MemorySource::kClosed},
        {"closed inside a status code", Element(0, 0, 0, {0, 0}), kMaxElementLength, MemorySource::kClosed},
        {"giant length from a station", Element(MakeTag("syNm"), 0, 0xFFFFFFF0, {}), kMaxElementLength,
         kMalformedValue},
        {"length above the caller's bound", Element(MakeTag("syNm"), 0, 65, Bytes(65, 'x')), 64,
         kMalformedValue},
    };
    for (const auto& c : cases) {
        MemorySource peer(c.bytes);
        ConfigRecord r;
        EXPECT_EQ(ReadElementStream(r, peer.AsSource(), c.bound), c.status) << c.name;
    }
}

} // namespace
} // namespace corvane
