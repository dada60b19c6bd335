#include "pages/ppp_addresses.h"

#include "config/config_record.h"
#include "pages/control_binding.h"
#include "protocol/dotted_quad.h"

namespace corvane {

void LoadPppAddresses(QWidget* page, const PppAddressControls& controls, const ConfigRecord& record) {
    const std::pair<int, std::uint32_t> shown[] = {{controls.shownIpAddress, record.waIP},
                                                   {controls.shownSubnetMask, record.waSM},
                                                   {controls.shownRouterAddress, record.waRA}};
    for (const auto& [control, address] : shown) {
        if (address != 0) {
            SetControlText(page, control, FormatDottedQuad(address));
        }
    }
    if (record.waD1 != 0) {
        SetIPAddress(page, controls.dnsServer1, record.waD1);
    }
    if (record.waD2 != 0) {
        SetIPAddress(page, controls.dnsServer2, record.waD2);
    }
    if (!record.waDN.empty()) {
        SetControlText(page, controls.domainName, record.waDN);
    }
}

void StorePppAddresses(QWidget* page, const PppAddressControls& controls, ConfigRecord& record) {
    record.waD1 = GetIPAddress(page, controls.dnsServer1);
    record.waD2 = GetIPAddress(page, controls.dnsServer2);
    GetControlText(page, controls.domainName, record.waDN);
}

} // namespace corvane
