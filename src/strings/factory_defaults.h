// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <string_view>

namespace corvane {

// The subnet a base station falls back to after a factory reset (its first three numbers), named by message
// 158.
inline constexpr std::string_view kFactoryDefaultSubnet = "10.0.1";

} // namespace corvane
