// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/status_codes.h"

#include <cstdint>

namespace corvane::session_status {

// The session's argument rule: absent arguments first (-4), then a reserved argument that is not 0 (-14).
inline int CheckArguments(bool present, std::uint32_t reserved) {
    if (!present) {
        return kBadArgument;
    }
    return reserved != 0 ? kReservedNotZero : 0;
}

} // namespace corvane::session_status
