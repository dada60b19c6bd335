// SPDX-License-Identifier: Apache-2.0
// ReadConfigFile → WriteConfigFile → ReadConfigFile → WriteConfigFile: both images must be equal.
#include "config/byte_order.h"
#include "config/checksum.h"
#include "config/config_file.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

void ReadAndRoundTrip(const std::uint8_t* data, std::size_t size) {
    corvane::ConfigRecord record;
    if (corvane::ReadConfigFile(record, size, data) == 0) {
        CheckFileRoundTrip(record);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane;
    ReadAndRoundTrip(data, size);
    // Mutations seldom keep both checksums right; a resealed copy takes them on to the element walk.
    if (size < kConfigFileHeaderSize) {
        return 0;
    }
    // Header bytes 20-23: header checksum, 24-27: body checksum, 28-31: body length.
    std::vector<std::uint8_t> sealed(data, data + size);
    const std::uint32_t body = std::uint32_t(std::min<std::size_t>(LoadBigEndian32(data + 28), size - 128));
    StoreBigEndian32(sealed.data() + 24,
                     ComputeChecksum(kChecksumStart, kChecksumBlock, sealed.data() + 128, body));
    StoreBigEndian32(sealed.data() + 20, 0);
    StoreBigEndian32(sealed.data() + 20, ComputeChecksum(kChecksumStart, kChecksumBlock, sealed.data(), 128));
    ReadAndRoundTrip(sealed.data(), sealed.size());
    return 0;
}
