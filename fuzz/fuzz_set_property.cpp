// SPDX-License-Identifier: Apache-2.0
// The first byte picks a catalogue property (every kind, tables included), the rest is its value:
// SetProperty → GetProperty → SetProperty on a fresh record → GetProperty gives the same bytes.
#include "config/property_catalogue.h"
#include "config/property_codec.h"
#include "fuzz_check.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane;
    if (size == 0) {
        return 0;
    }
    const PropertyDescriptor& row = PropertyCatalogue[data[0] % kPropertyCount];
    const std::uint32_t length = std::uint32_t(size - 1);
    ConfigRecord record;
    if (SetProperty(record, row.tag, length, data + 1) != 0) {
        return 0;
    }
    std::vector<std::uint8_t> encoded, again;
    FUZZ_CHECK(GetProperty(record, row.tag, encoded) == 0);
    if (row.kind != PropertyKind::Table) { // a table drops its header fill and trailing bytes
        FUZZ_CHECK(encoded == std::vector<std::uint8_t>(data + 1, data + size));
    }
    ConfigRecord fresh;
    FUZZ_CHECK(SetProperty(fresh, row.tag, std::uint32_t(encoded.size()), encoded.data()) == 0);
    FUZZ_CHECK(GetProperty(fresh, row.tag, again) == 0);
    FUZZ_CHECK(encoded == again);
    return 0;
}
