// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/status_codes.h"

#include <cstdint>
#include <span>

namespace corvane {

// The default software image among the program's own resources, never copied: 0, kDefaultImageMissing or
// kDefaultImageEmpty.
int DefaultSoftwareImage(std::span<const std::uint8_t>& image);

} // namespace corvane
