// SPDX-License-Identifier: Apache-2.0
#include "protocol/dotted_quad.h"

#include <cstdio>

namespace corvane {

std::string FormatDottedQuad(std::uint32_t address) {
    char text[16];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", unsigned(address >> 24), unsigned((address >> 16) & 0xFF),
                  unsigned((address >> 8) & 0xFF), unsigned(address & 0xFF));
    return text;
}

} // namespace corvane
