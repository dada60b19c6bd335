// SPDX-License-Identifier: Apache-2.0
// A base station's element stream as the read command receives it; what was read is written and read back.
#include "config/element_stream.h"
#include "config/status_codes.h"
#include "fuzz_check.h"

#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane;
    constexpr std::uint32_t kFuzzBound = 1 << 16; // keeps each run small; the bound itself is what is tested
    std::size_t position = 0;
    const ByteSource source = [&](std::uint8_t* buffer, std::size_t length) {
        if (length > size - position) {
            return socket_status::kConnectionLost; // as a peer that closed
        }
        if (length > 0) {
            std::memcpy(buffer, data + position, length);
        }
        position += length;
        return 0;
    };
    ConfigRecord record;
    ReadElementStream(record, source, kFuzzBound);
    CheckFileRoundTrip(record);
    return 0;
}
