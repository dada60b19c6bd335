// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"

#include <cstdint>
#include <utility>

namespace corvane {

// SameStation's rule as a value that sorts, so that a long list finds a station by lookup: its WAN MAC
// address and station address.
using StationKey = std::pair<MacAddress, std::uint32_t>;

inline StationKey KeyOf(const ConfigRecord& record) {
    return {record.wanMac, record.stationAddress};
}

} // namespace corvane
