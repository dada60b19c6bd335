// SPDX-License-Identifier: Apache-2.0
// Build tool: writes the default software image into the file named by its one argument.
#include "resources/default_firmware.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_firmware_image OUTPUT\n");
        return 2;
    }
    const auto image = corvane::MakeDefaultFirmwareImage();
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(image.data(), 1, image.size(), out) == image.size();
    if (std::fclose(out) != 0 || !written) {
        std::perror(argv[1]);
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
