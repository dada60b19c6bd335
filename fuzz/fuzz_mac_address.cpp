// SPDX-License-Identifier: Apache-2.0
// A parsed Corvane ID formats as "XX:XX:XX:XX:XX:XX" and parses back to the same six bytes.
#include "config/hex_text.h"
#include "fuzz_check.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    MacAddress mac{};
    TextScan scan;
    const bool ok = ParseMacAddress(text, mac, &scan);
    FUZZ_CHECK(scan.stop <= text.size() && scan.stop + scan.left == text.size());
    if (!ok) {
        return 0;
    }
    const std::string formatted = FormatMacAddress(mac);
    FUZZ_CHECK(formatted.size() == 17);
    MacAddress again{};
    FUZZ_CHECK(ParseMacAddress(formatted, again));
    FUZZ_CHECK(again == mac);
    return 0;
}
