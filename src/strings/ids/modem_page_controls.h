// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::modem_page {

// Controls of the modem connection page (template 137).
enum Control : int {
    kMainNumber = 1086,
    kAlternateNumber = 1087,
    kUserName = 1088,
    kChangePassword = 1089,
    kIdleTime = 1090,
    kCountry = 1091,
    kIgnoreDialTone = 1092,
    kPulseDialing = 1093,
    kAutomaticallyDial = 1094,
    kDomainName = 1097,
    kShownIpAddress = 1098, // "<supplied by server>" or the record's address, never stored
    kShownSubnetMask = 1099,
    kShownRouterAddress = 1100,
    kDnsServer1 = 1101,
    kDnsServer2 = 1102,
};

} // namespace corvane::modem_page
