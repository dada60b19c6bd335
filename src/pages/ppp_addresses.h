// SPDX-License-Identifier: Apache-2.0
#pragma once

class QWidget;

namespace corvane {

class ConfigRecord;

// The "Configure TCP/IP using PPP" group that the PPPoE and modem pages share: the addresses the server
// supplied, shown only, and the DNS servers and domain name, which the page stores.
struct PppAddressControls {
    int shownIpAddress;
    int shownSubnetMask;
    int shownRouterAddress;
    int dnsServer1;
    int dnsServer2;
    int domainName;
};

// Shows the record's values when they belong to this page's connection (`own`); otherwise, and for an
// address that is not set, the controls show nothing, and the server's addresses "<supplied by server>".
void LoadPppAddresses(QWidget* page, const PppAddressControls& controls, const ConfigRecord& record,
                      bool own);
// Stores waD1, waD2 and waDN; the shown addresses never go back into the record.
void StorePppAddresses(QWidget* page, const PppAddressControls& controls, ConfigRecord& record);

} // namespace corvane
