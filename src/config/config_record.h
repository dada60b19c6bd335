// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/table_entries.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

// Values of raWM.
enum WepMode : std::uint32_t { kWepOff = 0, kWep40 = 1, kWep128 = 2 };

// One physical base station: its identity and one value for each of the 62 properties.
// Text values are Windows-1252 byte strings.
class ConfigRecord {
public:
    ConfigRecord();
    ConfigRecord(const ConfigRecord&) = default;
    ConfigRecord& operator=(const ConfigRecord&) = default;
    // Moves cannot fail, so a reader can fill a copy and hand it over whole.
    ConfigRecord(ConfigRecord&&) noexcept = default;
    ConfigRecord& operator=(ConfigRecord&&) noexcept = default;
    virtual ~ConfigRecord();

    // Identity: never a property element, never in files.
    std::int32_t createdTime = 0; // when the record was made (a discovery answer's arrival), epoch seconds
    std::string adminPassword;    // the password sessions with the station send
    std::uint32_t restartPending = 0;  // the chooser counts the station's restart down
    std::int32_t restartStartTime = 0; // when that countdown began, epoch seconds
    std::uint16_t stationFlags = 0;    // from the discovery answer; bit 0x4000: reset, unconfigured
    std::uint32_t stationAddress = 0;  // IPv4, host order
    MacAddress wirelessMac{};          // the Corvane MAC address
    MacAddress lanMac{};
    MacAddress wanMac{};

    // The properties: fields named by their wire tags, in catalogue order (property_catalogue.cpp holds the
    // label, width and transfer of each). Addresses are IPv4 in host order; "carried" values are kept and
    // written back but shown nowhere.
    std::string syNm;              // base station name
    std::string syPW;              // base station password
    std::string syPR;              // carried
    std::string syCt;              // contact
    std::string syLo;              // location
    std::string syDs;              // description, from the discovery answer; never sent
    std::string syVs;              // carried; never sent
    std::uint32_t uptimeTicks = 0; // since the station restarted, in hundredths of a second (discovery)

    std::string raNm;               // wireless network name
    std::uint8_t raCl = 0;          // closed network, 0 or 1
    std::uint32_t raWM = kWepOff;   // encryption mode
    std::vector<std::uint8_t> raWE; // encryption key (5 or 13 bytes), reverse of wire order
    std::uint8_t raRo = 0;          // interference robustness, 0 or 1
    std::uint32_t raCh = 1;         // radio channel
    std::uint32_t raDe = 1;         // station density: 1 low, 2 medium, 3 high
    std::uint32_t raMu = 2;         // multicast rate code
    std::uint16_t raLC = 0x07FF;    // allowed channels: bit n offers channel n+1
    std::uint8_t raDS = 1;          // distribute IP addresses, 0 or 1
    std::uint8_t raNA = 1;          // 1: share one address by DHCP and NAT; 0: a range by DHCP only
    std::uint8_t raWB = 0;          // bridge mode: the inverse of raDS

    std::uint32_t waCV = 0x400; // how the WAN side gets its address: 0x400 manual, 0x300 DHCP, 0x900 PPP
    std::uint32_t waIn = 16;    // WAN interface: 16 Ethernet (also PPPoE), 4 modem
    std::uint32_t waD1 = 0;     // first DNS server
    std::uint32_t waD2 = 0;     // second DNS server
    std::uint32_t waD3 = 0;     // third DNS server (carried)
    std::uint32_t waIP = 0;     // WAN IP address
    std::uint32_t waSM = 0;     // WAN subnet mask
    std::uint32_t waRA = 0;     // WAN router address
    std::string waDC;           // DHCP client ID
    std::uint8_t waDS = 0;      // carried
    std::string waDN;           // domain name

    std::string moPN;         // modem phone number
    std::string moAP;         // modem alternate phone number
    std::uint8_t moPD = 0;    // pulse dialing
    std::string moUN;         // modem user name
    std::string moPW;         // modem password
    std::uint32_t moID = 600; // modem disconnect-if-idle seconds, 0 never
    std::uint32_t moCC = 22;  // carried
    std::uint32_t moCI = 0;   // modem country: index into the country list
    std::uint8_t moDT = 0;    // ignore dial tone
    std::uint8_t moAD = 0;    // dial automatically
    std::uint32_t moMP = 1;   // modem protocol: 1 V.90, else V.34
    std::uint32_t moMF = 0;   // modem flags: bit 0 means AOL

    std::string peSN;       // PPPoE service name
    std::string peUN;       // PPPoE user name
    std::string pePW;       // PPPoE password
    std::uint8_t peSC = 0;  // PPPoE always stay connected
    std::uint8_t peAC = 0;  // PPPoE connect automatically
    std::uint32_t peID = 0; // PPPoE disconnect-if-idle seconds, 0 never

    std::uint32_t dhBg = 0;     // DHCP range beginning
    std::uint32_t dhEn = 0;     // DHCP range ending
    std::uint32_t dhLe = 14400; // DHCP lease time in seconds

    std::vector<PortMapEntry> pmTa; // port mappings
    std::uint8_t acEn = 0;          // access control on: 1 when the list is not empty
    std::vector<AclEntry> acTa;     // access control list

    std::uint32_t raFl = 0; // primary RADIUS server flags: bit 0 means used
    std::uint32_t raI1 = 0; // primary RADIUS server address
    std::uint32_t raAu = 0; // primary RADIUS server port
    std::string raSe;       // primary RADIUS shared secret
    std::uint32_t raF2 = 0; // secondary RADIUS server flags, bit 0 as raFl
    std::uint32_t raI2 = 0; // secondary RADIUS server address
    std::uint32_t raU2 = 0; // secondary RADIUS server port
    std::string raS2;       // secondary RADIUS shared secret
};

// Whether two discovery answers come from the same station: one list entry per WAN MAC address and station
// address.
bool SameStation(const ConfigRecord& a, const ConfigRecord& b);

// When the station last started, in seconds since the epoch: the answer's arrival less its up-time.
std::int64_t LastStartTime(const ConfigRecord& record);

} // namespace corvane
