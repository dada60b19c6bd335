#pragma once

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

// moMF bit 0: the modem connection is AOL.
inline constexpr std::uint32_t kModemAolFlag = 1;

// moMP: 1 is V.90, any other value V.34. A V.34 choice on a record that said V.90 stores kModemV34.
inline constexpr std::uint32_t kModemV90 = 1;
inline constexpr std::uint32_t kModemV34 = 2;

} // namespace corvane
