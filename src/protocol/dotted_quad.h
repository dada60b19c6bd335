// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// "%u.%u.%u.%u" of a host-order IPv4 address, most significant byte first.
std::string FormatDottedQuad(std::uint32_t address);

} // namespace corvane
