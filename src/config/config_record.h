#pragma once

#include "config/table_entries.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

// Values of raWM.
enum WepMode : std::uint32_t { kWepOff = 0, kWep40 = 1, kWep128 = 2 };

// One physical base station: its identity and one value for each of the 62 properties.
// Property fields carry their tag as name; text values are byte strings, raWE is held reversed.
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
    std::int32_t createdTime = 0;
    std::string adminPassword;
    std::uint32_t restartPending = 0;
    std::int32_t restartStartTime = 0;
    std::uint16_t stationFlags = 0;
    std::uint32_t stationAddress = 0;
    MacAddress wirelessMac{};
    MacAddress lanMac{};
    MacAddress wanMac{};

    std::string syNm, syPW, syPR, syCt, syLo, syDs, syVs;
    std::uint32_t uptimeTicks = 0;

    std::string raNm;
    std::uint8_t raCl = 0;
    std::uint32_t raWM = kWepOff;
    std::vector<std::uint8_t> raWE; // reverse of wire order
    std::uint8_t raRo = 0;
    std::uint32_t raCh = 1;
    std::uint32_t raDe = 1;
    std::uint32_t raMu = 2;
    std::uint16_t raLC = 0x07FF;
    std::uint8_t raDS = 1;
    std::uint8_t raNA = 1;
    std::uint8_t raWB = 0;

    std::uint32_t waCV = 0x400;
    std::uint32_t waIn = 16;
    std::uint32_t waD1 = 0, waD2 = 0, waD3 = 0;
    std::uint32_t waIP = 0, waSM = 0, waRA = 0;
    std::string waDC;
    std::uint8_t waDS = 0;
    std::string waDN;

    std::string moPN, moAP;
    std::uint8_t moPD = 0;
    std::string moUN, moPW;
    std::uint32_t moID = 600;
    std::uint32_t moCC = 22;
    std::uint32_t moCI = 0;
    std::uint8_t moDT = 0;
    std::uint8_t moAD = 0;
    std::uint32_t moMP = 1;
    std::uint32_t moMF = 0;

    std::string peSN, peUN, pePW;
    std::uint8_t peSC = 0;
    std::uint8_t peAC = 0;
    std::uint32_t peID = 0;

    std::uint32_t dhBg = 0, dhEn = 0;
    std::uint32_t dhLe = 14400;

    std::vector<PortMapEntry> pmTa;
    std::uint8_t acEn = 0;
    std::vector<AclEntry> acTa;

    std::uint32_t raFl = 0;
    std::uint32_t raI1 = 0;
    std::uint32_t raAu = 0;
    std::string raSe;
    std::uint32_t raF2 = 0;
    std::uint32_t raI2 = 0;
    std::uint32_t raU2 = 0;
    std::string raS2;
};

// Whether two discovery answers come from the same station: one list entry per WAN MAC address and station
// address.
bool SameStation(const ConfigRecord& a, const ConfigRecord& b);

// When the station last started, in seconds since the epoch: the answer's arrival less its up-time.
std::int64_t LastStartTime(const ConfigRecord& record);

} // namespace corvane
