// SPDX-License-Identifier: Apache-2.0
// The first byte is the destination capacity, the rest the text. Decoded bytes encode and decode back.
#include "config/hex_text.h"
#include "fuzz_check.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane;
    if (size == 0) {
        return 0;
    }
    std::vector<std::uint8_t> bytes(data[0]);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    TextScan scan;
    const bool ok = HexDecode(text, bytes, &scan);
    FUZZ_CHECK(scan.count <= bytes.size() && scan.stop <= text.size() &&
               scan.stop + scan.left == text.size());
    if (!ok) {
        return 0;
    }
    bytes.resize(scan.count);
    std::string encoded(2 * bytes.size(), '?');
    FUZZ_CHECK(HexEncode(bytes, encoded) == encoded.size());
    std::vector<std::uint8_t> again(bytes.size());
    TextScan second;
    FUZZ_CHECK(HexDecode(encoded, again, &second));
    FUZZ_CHECK(second.count == bytes.size() && again == bytes);
    return 0;
}
