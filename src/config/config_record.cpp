// SPDX-License-Identifier: Apache-2.0
#include "config/config_record.h"

#include "config/station_key.h"

#include <ctime>

namespace corvane {

ConfigRecord::ConfigRecord() : createdTime(static_cast<std::int32_t>(std::time(nullptr))) {}

ConfigRecord::~ConfigRecord() = default;

bool SameStation(const ConfigRecord& a, const ConfigRecord& b) {
    return KeyOf(a) == KeyOf(b);
}

std::int64_t LastStartTime(const ConfigRecord& record) {
    return std::int64_t(record.createdTime) - std::int64_t(record.uptimeTicks / 100);
}

} // namespace corvane
