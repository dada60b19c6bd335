// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::chooser {

// Controls of the chooser (template 143).
enum Control : int {
    kStationList = 1038,
    kRescan = 1039,
    kOther = 1040, // "Other...": a station that does not answer the scan
    kName = 1041,
    kDescription = 1042,
    kIpAddress = 1043,
    kWanMac = 1044, // the Ethernet ("WAN") address
    kLanMac = 1045,
    kWirelessMac = 1046,
    kRestartTime = 1048, // when the station last started (a restart counts down in the list instead)
    kConfigure = 1049,
};

} // namespace corvane::chooser
