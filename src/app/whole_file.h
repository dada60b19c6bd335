#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace corvane {

// Status codes of reading a whole file, as the station commands report them.
namespace file_status {
constexpr int kNotOpened = -6703;
constexpr int kOutOfMemory = -6731;
constexpr int kIncomplete = -6736; // fewer bytes than the file's size
} // namespace file_status

// Reads a whole file in binary mode: 0, kNotOpened, the failure of the file-size operation, kOutOfMemory
// (also for a file larger than kMaxConfigurationFileSize) or kIncomplete. An empty file gives 0 and no bytes.
int ReadWholeFile(const QString& path, std::vector<std::uint8_t>& bytes);

} // namespace corvane
