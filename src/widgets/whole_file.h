#pragma once

#include "config/status_codes.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace corvane {

// Reads a whole file in binary mode: 0, kNotOpened, the failure of the file-size operation, kOutOfMemory
// (also for a file larger than kMaxConfigurationFileSize) or kIncomplete. An empty file gives 0 and no bytes.
int ReadWholeFile(const QString& path, std::vector<std::uint8_t>& bytes);

} // namespace corvane
