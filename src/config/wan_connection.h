// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"

#include <cstdint>

namespace corvane {

// The record values that say how the base station reaches the Internet.

// waIn: the WAN interface.
inline constexpr std::uint32_t kWanModem = 4;     // modem and AOL
inline constexpr std::uint32_t kWanEthernet = 16; // Ethernet and PPPoE

// waCV: how the WAN side gets its address.
inline constexpr std::uint32_t kWanManual = 0x400;
inline constexpr std::uint32_t kWanDhcp = 0x300;
inline constexpr std::uint32_t kWanPpp = 0x900;    // modem, AOL and PPPoE
inline constexpr std::uint32_t kWanPppBit = 0x800; // set in kWanPpp
inline constexpr std::uint32_t kWanDhcpBit = 0x100;

// PPP over Ethernet: the Ethernet port with the PPP bit of waCV set.
inline bool IsPppoeConnection(const ConfigRecord& record) {
    return record.waIn == kWanEthernet && (record.waCV & kWanPppBit) != 0;
}

// A PPP connection, which the base station's own DHCP and NAT must serve: the modem (a dial-up provider or
// AOL) whatever waCV says, or PPP over Ethernet.
inline bool IsPppConnection(const ConfigRecord& record) {
    return record.waIn == kWanModem || IsPppoeConnection(record);
}

// moMF bit 0: the modem connection is AOL.
inline constexpr std::uint32_t kModemAolFlag = 1;

// moMP: 1 is V.90, any other value V.34. A V.34 choice on a record that said V.90 stores kModemV34.
inline constexpr std::uint32_t kModemV90 = 1;
inline constexpr std::uint32_t kModemV34 = 2;

} // namespace corvane
