#include "app/configuration_file.h"

#include "app/whole_file.h"
#include "config/config_file.h"

#include <vector>

namespace corvane {

bool ReadConfigurationFile(const QString& path, ConfigRecord& record) {
    std::vector<std::uint8_t> bytes;
    return ReadWholeFile(path, bytes) == 0 && !bytes.empty() &&
           ReadConfigFile(record, bytes.size(), bytes.data()) == 0;
}

} // namespace corvane
