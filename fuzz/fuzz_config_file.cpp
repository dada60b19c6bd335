// ReadConfigFile → WriteConfigFile → ReadConfigFile → WriteConfigFile: both images must be equal.
#include "config/config_file.h"
#include "fuzz_check.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace corvane;
    ConfigRecord record;
    if (ReadConfigFile(record, size, data) != 0)
        return 0;
    CheckFileRoundTrip(record);
    return 0;
}
