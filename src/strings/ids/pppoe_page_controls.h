// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::pppoe_page {

// Controls of the PPP over Ethernet connection page (template 138).
enum Control : int {
    kAutomaticallyConnect = 1011,
    kIdleTime = 1012,
    kDomainName = 1016,
    kDnsServer1 = 1103,
    kDnsServer2 = 1104,
    kUserName = 1114,
    kChangePassword = 1115,
    kServiceName = 1116,
    kAlwaysStayConnected = 1117,
    kShownIpAddress = 1118, // "<supplied by server>" or the record's address, never stored
    kShownSubnetMask = 1119,
    kShownRouterAddress = 1120,
    kIdleTimeLabel = 1142,
};

} // namespace corvane::pppoe_page
