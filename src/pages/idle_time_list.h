// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>

namespace corvane {

// The "Disconnect if idle:" list of the PPPoE, modem and AOL pages: ten entries from "10 seconds" to "Never",
// each standing for a number of seconds (0 for "Never").

// The entry for a number of seconds: "Never" for 0 and for any number the list does not hold.
int IdleTimeIndex(std::uint32_t seconds);
// The seconds of an entry: 0 for "Never" and for no selection (or any index outside the list).
std::uint32_t IdleTimeSeconds(int index);

} // namespace corvane
