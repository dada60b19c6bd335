// SPDX-License-Identifier: Apache-2.0
#include "pages/ppp_addresses.h"

#include "config/config_record.h"
#include "protocol/dotted_quad.h"
#include "widgets/address_or_blank.h"
#include "widgets/control_binding.h"

namespace corvane {
namespace {

constexpr char kSuppliedByServer[] = "<supplied by server>";

} // namespace

void LoadPppAddresses(QWidget* page, const PppAddressControls& controls, const ConfigRecord& record,
                      bool own) {
    const std::pair<int, std::uint32_t> shown[] = {{controls.shownIpAddress, record.waIP},
                                                   {controls.shownSubnetMask, record.waSM},
                                                   {controls.shownRouterAddress, record.waRA}};
    for (const auto& [control, address] : shown) {
        SetControlText(page, control, own && address != 0 ? FormatDottedQuad(address) : kSuppliedByServer);
    }
    SetAddressOrBlank(page, controls.dnsServer1, own ? record.waD1 : 0);
    SetAddressOrBlank(page, controls.dnsServer2, own ? record.waD2 : 0);
    SetControlText(page, controls.domainName, own ? record.waDN : std::string());
}

void StorePppAddresses(QWidget* page, const PppAddressControls& controls, ConfigRecord& record) {
    record.waD1 = GetIPAddress(page, controls.dnsServer1);
    record.waD2 = GetIPAddress(page, controls.dnsServer2);
    GetControlText(page, controls.domainName, record.waDN);
}

} // namespace corvane
