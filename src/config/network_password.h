// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace corvane {

constexpr std::size_t kWep40KeySize = 5;
constexpr std::size_t kWep128KeySize = 13;

// Key size of a raWM mode: 13 bytes for kWep128, else 5.
std::size_t WepKeySize(std::uint32_t mode);

// MD5 of the text (up to its first NUL) and the derivation suffix, then twice more from a zeroed chaining
// state; the key is the first 5 or 13 bytes. 0, or kKeyBufferUnavailable.
int DeriveWepKey(std::string_view text, bool is128Bit, std::uint8_t* key);

// "quoted", $hex, 0xhex or normal text (derived) into a key of the mode's size; false when not a valid
// password.
bool ParseNetworkPassword(std::string_view password, std::uint32_t mode, std::vector<std::uint8_t>& key);

// raWE in wire order, and back (the record holds it reversed).
std::vector<std::uint8_t> GetWepKey(const ConfigRecord& record);
void SetWepKey(ConfigRecord& record, std::span<const std::uint8_t> key);

} // namespace corvane
