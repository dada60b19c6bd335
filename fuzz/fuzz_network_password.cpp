// SPDX-License-Identifier: Apache-2.0
// The first byte is the WEP mode, the rest the password. A valid password gives a key of the mode's size, and
// the key's equivalent password ($ and hexadecimal digits) parses back to the same key.
#include "config/hex_text.h"
#include "config/network_password.h"
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
    const std::uint32_t mode = data[0] % 3;
    const std::string_view password(reinterpret_cast<const char*>(data + 1), size - 1);
    std::vector<std::uint8_t> key;
    if (!ParseNetworkPassword(password, mode, key)) {
        return 0;
    }
    FUZZ_CHECK(key.size() == WepKeySize(mode));
    std::string equivalent(1 + 2 * key.size(), '$');
    FUZZ_CHECK(HexEncode(key, std::span<char>(equivalent).subspan(1)) == 2 * key.size());
    std::vector<std::uint8_t> again;
    FUZZ_CHECK(ParseNetworkPassword(equivalent, mode, again));
    FUZZ_CHECK(again == key);
    return 0;
}
