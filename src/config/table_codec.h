// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"
#include "config/property_tag.h"

#include <cstdint>
#include <vector>

namespace corvane {

constexpr PropertyTag kAccessListTag = MakeTag("acTa");
constexpr PropertyTag kPortMapTag = MakeTag("pmTa");
constexpr std::size_t kTableHeaderSize = 16;
constexpr std::size_t kAclEntryWireSize = 40;
constexpr std::size_t kPortMapEntryWireSize = 8;

// Table header (count at bytes 4-7) and entries: 0 or kUnknownProperty for a tag that is not a table.
int EncodeTable(const ConfigRecord& record, PropertyTag tag, std::vector<std::uint8_t>& out);

// 0, kMalformedValue (too short for the header or the count; table unchanged) or kUnknownProperty.
int DecodeTable(ConfigRecord& record, PropertyTag tag, std::uint32_t length, const std::uint8_t* bytes);

} // namespace corvane
