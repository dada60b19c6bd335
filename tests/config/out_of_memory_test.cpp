// SPDX-License-Identifier: Apache-2.0
// Fails the n-th allocation, for every n, inside the file writer and both readers: each ends with 0 or
// kOutOfMemory, and on kOutOfMemory the image or the record is exactly as before.
#include "config/config_file.h"
#include "config/element_stream.h"
#include "config/status_codes.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>
#include <vector>

namespace {

long allocationsLeft = -1; // -1: no failure armed

} // namespace

// GCC pairs the inlined malloc with the new-expressions it replaces and warns of a mismatch that cannot
// happen.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    if (allocationsLeft >= 0 && allocationsLeft-- == 0) {
        throw std::bad_alloc();
    }
    if (void* p = std::malloc(size ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace corvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Runs `operation` with its n-th allocation failing, for n = 0, 1, ... until it completes without reaching
// it, and `check`s each outcome with allocations working again.
template <class Operation, class Check> void ForEveryFailingAllocation(Operation operation, Check check) {
    for (long n = 0;; ++n) {
        allocationsLeft = n;
        const int status = operation();
        const bool reached = allocationsLeft < 0;
        allocationsLeft = -1;
        ASSERT_TRUE(status == 0 || status == kOutOfMemory) << "allocation " << n << " status " << status;
        check(status);
        if (!reached) {
            ASSERT_EQ(status, 0);
            EXPECT_GT(n, 0) << "no allocation failed, nothing was proved";
            return;
        }
    }
}

ConfigRecord Sample() {
    ConfigRecord r;
    r.syNm = "a name longer than the small-string buffer";
    r.raWE = {1, 2, 3, 4, 5};
    r.pmTa = {{0x0A010205, 80, 8080}};
    r.acTa.resize(3);
    return r;
}

Bytes Image(const ConfigRecord& record) {
    Bytes image;
    EXPECT_EQ(WriteConfigFile(record, image), 0);
    return image;
}

TEST(ConfigOutOfMemory, FileWriterLeavesTheImageAlone) {
    const ConfigRecord record = Sample();
    const Bytes previous = {1, 2, 3};
    Bytes image = previous;
    ForEveryFailingAllocation([&] { return WriteConfigFile(record, image); },
                              [&](int status) {
                                  EXPECT_EQ(image, status == 0 ? Image(record) : previous);
                                  image = previous;
                              });
}

TEST(ConfigOutOfMemory, FileReaderLeavesTheRecordAlone) {
    const Bytes file = Image(Sample());
    const Bytes untouched = Image(ConfigRecord());
    ConfigRecord record;
    ForEveryFailingAllocation([&] { return ReadConfigFile(record, file.size(), file.data()); },
                              [&](int status) {
                                  EXPECT_EQ(Image(record), status == 0 ? file : untouched);
                                  record = ConfigRecord();
                              });
}

TEST(ConfigOutOfMemory, StreamReaderReportsIt) {
    Bytes stream;
    ASSERT_EQ(WriteElementSequence(Sample(), OnPropertyFailure::Stop,
                                   [&](std::span<const std::uint8_t> element) {
                                       stream.insert(stream.end(), element.begin(), element.end());
                                       return 0;
                                   }),
              0);
    stream.insert(stream.end(), 16, 0); // the end element
    const Bytes expected = Image(Sample());
    ConfigRecord record;
    std::size_t position = 0;
    const ByteSource source = [&](std::uint8_t* buffer, std::size_t length) {
        std::copy_n(stream.data() + position, length, buffer);
        position += length;
        return 0;
    };
    ForEveryFailingAllocation([&] { return ReadElementStream(record, source); },
                              [&](int status) {
                                  if (status == 0) {
                                      EXPECT_EQ(Image(record), expected);
                                  }
                                  record = ConfigRecord();
                                  position = 0;
                              });
}

} // namespace
} // namespace corvane
