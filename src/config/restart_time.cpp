// SPDX-License-Identifier: Apache-2.0
#include "config/restart_time.h"

#include <ctime>

namespace corvane {

std::string RestartTimeText(const ConfigRecord& record) {
    const std::time_t started = std::time_t(LastStartTime(record));
    std::tm local{};
    char text[64] = {};
    if (localtime_r(&started, &local) == nullptr ||
        std::strftime(text, sizeof text, "%Y/%m/%d, %I:%M:%S", &local) == 0) {
        return {};
    }
    return std::string(text) + (local.tm_hour < 12 ? " AM" : " PM");
}

} // namespace corvane
