// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <cstdint>

namespace corvane {

using MacAddress = std::array<std::uint8_t, 6>;

// One admitted wireless client; the same 40 bytes in memory, on the wire and in files.
struct AclEntry {
    static constexpr std::size_t kDescriptionSize = 34; // at most 33 characters and a zero byte
    MacAddress corvaneId{};
    std::array<char, kDescriptionSize> description{};

    friend bool operator==(const AclEntry&, const AclEntry&) = default;
};
static_assert(sizeof(AclEntry) == 40);

// One forwarded public port; 8 bytes on the wire, all fields big-endian there.
struct PortMapEntry {
    std::uint32_t privateAddress = 0; // host order
    std::uint16_t privatePort = 0;
    std::uint16_t publicPort = 0;

    friend bool operator==(const PortMapEntry&, const PortMapEntry&) = default;
};

} // namespace corvane
