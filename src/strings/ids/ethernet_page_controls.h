// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::ethernet_page {

// Controls of the Ethernet connection page (template 136).
enum Control : int {
    kDhcpClientId = 1014,
    kDomainName = 1015,
    kRouterAddress = 1025,
    kDnsServer1 = 1026,
    kDnsServer2 = 1027,
    kConfigureTcpIp = 1082, // "Manually" or "Using DHCP"
    kIpAddress = 1083,
    kSubnetMask = 1084,
    kDhcpClientIdLabel = 1085,
};

// Entries of kConfigureTcpIp.
enum ConfigureTcpIp : int { kManually = 0, kUsingDhcp = 1 };

} // namespace corvane::ethernet_page
