// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "rules/rule_break.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace corvane {

class ConfigRecord;

// The wireless network's rules: its name, its channel, density and multicast rate, and its key.

// Letters, digits, space and "'(),-./:=? in any order and number; the empty name too (message 166).
bool NetworkNameAllowed(std::string_view name);

// The channels a legal-channel mask (raLC) offers, lowest first: bit n offers channel n + 1, for bits 0
// to 14.
std::vector<std::uint32_t> LegalChannels(std::uint16_t mask);

// Entries of the multicast rate list ("1", "2", "5.5", "11") and the raMu codes stored for them.
inline constexpr std::array<std::uint32_t, 4> kMulticastCodes = {1, 2, 0x55, 0x11};
// The list entry of a raMu code; a code of no entry reads as rate 2.
int MulticastIndex(std::uint32_t code);

// Low density (index 0) allows multicast rates up to "2" (index 1), Medium up to "5.5", High up to "11"
// (message 161).
bool MulticastRateAllowed(int densityIndex, int multicastIndex);

// Encryption off, or on with a key of the mode's size: 5 bytes for 40-bit, 13 for 128-bit (message 150).
bool WepKeyFits(std::uint32_t mode, std::size_t keySize);

// The wireless page's rules over a record: the network name (raNm), the channel (raCh), the multicast rate
// for the density (raMu), the encryption mode (raWM) and its key (raWE).
RuleBreaks CheckWireless(const ConfigRecord& record);

} // namespace corvane
