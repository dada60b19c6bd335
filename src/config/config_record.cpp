#include "config/config_record.h"

#include <ctime>

namespace corvane {

ConfigRecord::ConfigRecord() : createdTime(static_cast<std::int32_t>(std::time(nullptr))) {}

ConfigRecord::~ConfigRecord() = default;

} // namespace corvane
