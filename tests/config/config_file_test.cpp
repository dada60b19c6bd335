// SPDX-License-Identifier: Apache-2.0
#include "config/byte_order.h"
#include "config/checksum.h"
#include "config/config_file.h"
#include "config/element_stream.h"
#include "config/status_codes.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint32_t Word(const Bytes& b, std::size_t offset) {
    return LoadBigEndian32(b.data() + offset);
}

// Recomputes both checksums after a test changed the image, so that the check under test is the one that
// fails.
void Reseal(Bytes& image) {
    const auto bodyLength = std::min<std::size_t>(Word(image, 28), image.size() - 128);
    StoreBigEndian32(image.data() + 24,
                     ComputeChecksum(1, 5000, image.data() + 128, std::uint32_t(bodyLength)));
    StoreBigEndian32(image.data() + 20, 0);
    StoreBigEndian32(image.data() + 20, ComputeChecksum(1, 5000, image.data(), 128));
}

class ConfigFile : public ::testing::Test {
protected:
    void SetUp() override {
        sample.syNm = "Corvane";
        sample.syPW = "base password";
        sample.raWM = 1;
        sample.raWE = {0xE5, 0xD4, 0xC3, 0xB2, 0xA1};
        sample.raCh = 6;
        sample.pmTa = {{0x0A010205, 80, 8080}, {0x0A010206, 21, 21}};
        sample.acTa = {AclEntry{{0, 0x11, 0x22, 0x33, 0x44, 0x55}, {'l', 'a', 'p'}}};
        sample.acEn = 1;
        sample.raS2 = "shared"; // the last element has a value to cut
        ASSERT_EQ(WriteConfigFile(sample, image), 0);
    }

    Bytes Written(const ConfigRecord& record) {
        Bytes out;
        EXPECT_EQ(WriteConfigFile(record, out), 0);
        return out;
    }

    int Read(ConfigRecord& record, const Bytes& bytes) {
        return ReadConfigFile(record, bytes.size(), bytes.data());
    }

    ConfigRecord sample;
    Bytes image;
};

TEST_F(ConfigFile, DefaultRecordHeader) {
    const Bytes file = Written(ConfigRecord());
    EXPECT_EQ(std::memcmp(file.data(), "TSSL-CV-CNFG-HDR", 16), 0);
    EXPECT_EQ(Bytes(file.begin() + 16, file.begin() + 20), (Bytes{0, 0, 0, 1}));
    EXPECT_EQ(Bytes(file.begin() + 32, file.begin() + 36), (Bytes{0, 0, 0, 0x3C}));
    EXPECT_EQ(Word(file, 28), file.size() - 128);
    EXPECT_TRUE(std::all_of(file.begin() + 36, file.begin() + 128, [](std::uint8_t b) { return b == 0; }));
    const Bytes first = {0x73, 0x79, 0x4E, 0x6D, 0, 0, 0, 2, 0, 0, 0, 0};
    EXPECT_TRUE(std::equal(first.begin(), first.end(), file.begin() + 128));
    std::size_t position = 128, elements = 0;
    while (position < file.size()) {
        position += 12 + LoadElementHeader(file.data() + position).length;
        ++elements;
    }
    EXPECT_EQ(position, file.size());
    EXPECT_EQ(elements, 60u);
}

TEST_F(ConfigFile, WriteReadWriteIsByteIdentical) {
    ConfigRecord fresh;
    ASSERT_EQ(Read(fresh, image), 0);
    EXPECT_EQ(Written(fresh), image);
    EXPECT_EQ(fresh.raWE, sample.raWE);
    EXPECT_EQ(fresh.acTa, sample.acTa);
}

TEST_F(ConfigFile, ReadingKeepsTheIdentityOfTheRecord) {
    ConfigRecord station;
    station.stationAddress = 0x0A000001;
    station.wanMac = {1, 2, 3, 4, 5, 6};
    station.adminPassword = "session";
    station.syDs = "description";
    ASSERT_EQ(Read(station, image), 0);
    EXPECT_EQ(station.stationAddress, 0x0A000001u);
    EXPECT_EQ(station.wanMac, (MacAddress{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(station.adminPassword, "session");
    EXPECT_EQ(station.syDs, "description");
    EXPECT_EQ(station.syNm, "Corvane");
}

// Each check in its order: every case would also fail a later check, so the status shows which ran first.
TEST_F(ConfigFile, ChecksInTheirOrder) {
    struct Case {
        const char* name;
        void (*change)(Bytes&);
        int status;
    };
    const Case cases[] = {
        {"127 bytes", [](Bytes& b) { b.resize(127); }, kMalformedValue},
        {"empty", [](Bytes& b) { b.clear(); }, kMalformedValue},
        {"magic, also with a wrong version",
         [](Bytes& b) {
             b[3] = 'x';
             b[19] = 2;
         },
         kBadMagic},
        {"version 2 with both checksums right",
         [](Bytes& b) {
             b[19] = 2;
             Reseal(b);
         },
         kUnsupportedVersion},
        {"version 2 with a wrong checksum", [](Bytes& b) { b[19] = 2; }, kUnsupportedVersion},
        {"a reserved header byte", [](Bytes& b) { b[100] = 1; }, kChecksumMismatch},
        {"the header checksum itself", [](Bytes& b) { b[21] ^= 1; }, kChecksumMismatch},
        {"announced body longer than the file",
         [](Bytes& b) {
             StoreBigEndian32(b.data() + 28, std::uint32_t(b.size() - 127));
             Reseal(b);
         },
         kMalformedValue},
        {"announced body of 0xFFFFFFFF",
         [](Bytes& b) {
             StoreBigEndian32(b.data() + 28, 0xFFFFFFFF);
             Reseal(b);
         },
         kMalformedValue},
        {"one body byte", [](Bytes& b) { b[200] ^= 0x80; }, kChecksumMismatch},
        {"the last body byte", [](Bytes& b) { b.back() ^= 1; }, kChecksumMismatch},
    };
    for (const auto& c : cases) {
        Bytes changed = image;
        c.change(changed);
        ConfigRecord r;
        r.syNm = "untouched";
        EXPECT_EQ(Read(r, changed), c.status) << c.name;
        EXPECT_EQ(r.syNm, "untouched") << c.name;
    }
}

TEST_F(ConfigFile, BytesAfterTheBodyAreIgnored) {
    Bytes longer = image;
    longer.insert(longer.end(), {0xDE, 0xAD, 0xBE, 0xEF});
    ConfigRecord r;
    ASSERT_EQ(Read(r, longer), 0);
    EXPECT_EQ(r.syNm, "Corvane");
}

// An element reaching past the body rejects the whole file before any property is set.
TEST_F(ConfigFile, ElementPastTheBodyChangesNothing) {
    const struct {
        const char* name;
        void (*change)(Bytes&);
    } cases[] = {
        {"count beyond the elements", [](Bytes& b) { StoreBigEndian32(b.data() + 32, 61); }},
        {"huge count", [](Bytes& b) { StoreBigEndian32(b.data() + 32, 0xFFFFFFFF); }},
        {"last value cut short", [](Bytes& b) { b.pop_back(); }},
        {"a header cut short",
         [](Bytes& b) {
             b.insert(b.end(), {0x73, 0x79, 0x4E, 0x6D, 0});
             StoreBigEndian32(b.data() + 32, 61);
         }},
    };
    for (const auto& c : cases) {
        Bytes changed = image;
        c.change(changed);
        StoreBigEndian32(changed.data() + 28, std::uint32_t(changed.size() - 128));
        Reseal(changed);
        ConfigRecord r;
        EXPECT_EQ(Read(r, changed), kMalformedValue) << c.name;
        EXPECT_TRUE(r.syNm.empty()) << c.name;
        EXPECT_EQ(r.raCh, 1u) << c.name;
    }
}

TEST_F(ConfigFile, StatusFlagsAndTagZeroAreOrdinaryElements) {
    // A file holding: tag 0 with 2 value bytes, an unknown tag, raCh flagged 1 (still a value), a wrong
    // width.
    Bytes file(128, 0);
    auto add = [&](PropertyTag tag, std::uint32_t flags, const Bytes& value) {
        AppendElement(file, {tag, flags, std::uint32_t(value.size())}, value);
    };
    add(0, 0, {9, 9});
    add(MakeTag("zzzz"), 0, {1, 2, 3});
    add(MakeTag("raCh"), ELEMENT_STATUS, {0, 0, 0, 11});
    add(MakeTag("raDe"), 0, {3});
    add(MakeTag("syNm"), ELEMENT_SCRAMBLED, {'n', 'e', 'w'});
    add(MakeTag("syNm"), ELEMENT_SCRAMBLED, {'l', 'a', 's', 't'}); // the later element wins
    std::memcpy(file.data(), "TSSL-CV-CNFG-HDR", 16);
    StoreBigEndian32(file.data() + 16, 1);
    StoreBigEndian32(file.data() + 28, std::uint32_t(file.size() - 128));
    StoreBigEndian32(file.data() + 32, 6);
    Reseal(file);
    ConfigRecord r;
    ASSERT_EQ(Read(r, file), 0);
    EXPECT_EQ(r.raCh, 11u);
    EXPECT_EQ(r.raDe, 1u);
    EXPECT_EQ(r.syNm, "last");
}

TEST(ConfigFileSize, KeepsThePosition) {
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    std::fputs("0123456789", file);
    std::fseek(file, 3, SEEK_SET);
    std::uint64_t size = 0;
    EXPECT_EQ(GetFileSize(file, &size), 0);
    EXPECT_EQ(size, 10u);
    EXPECT_EQ(std::ftell(file), 3);
    EXPECT_EQ(GetFileSize(file, nullptr), kFileSizeUnavailable);
    EXPECT_EQ(GetFileSize(nullptr, &size), kFileSizeUnavailable);
    std::fclose(file);
}

} // namespace
} // namespace corvane
