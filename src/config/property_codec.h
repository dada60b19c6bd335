// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"
#include "config/property_tag.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace corvane {

// The value bytes of one property as they travel (before scrambling): 0, kUnknownProperty or kOutOfMemory.
// `out` is replaced only on success.
int GetProperty(const ConfigRecord& record, PropertyTag tag, std::vector<std::uint8_t>& out);

// Stores value bytes into the record: 0, kUnknownProperty, kMalformedValue (wrong width, malformed table;
// record unchanged) or kOutOfMemory.
int SetProperty(ConfigRecord& record, PropertyTag tag, std::uint32_t length, const std::uint8_t* bytes);

void ReverseBytes(std::size_t count, std::uint8_t* bytes);

} // namespace corvane
