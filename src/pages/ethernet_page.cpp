// SPDX-License-Identifier: Apache-2.0
#include "pages/ethernet_page.h"

#include "config/config_record.h"
#include "config/wan_connection.h"
#include "strings/ids/ethernet_page_controls.h"
#include "strings/ids/template_ids.h"
#include "ui_template_136_ethernet_page.h"
#include "widgets/address_or_blank.h"
#include "widgets/control_binding.h"

#include <QComboBox>

namespace corvane {
namespace {

// The address fields, each with the record value it edits.
struct EthernetAddressField {
    int control;
    std::uint32_t ConfigRecord::*value;
};
constexpr EthernetAddressField kEthernetAddresses[] = {
    {ethernet_page::kIpAddress, &ConfigRecord::waIP},     {ethernet_page::kSubnetMask, &ConfigRecord::waSM},
    {ethernet_page::kRouterAddress, &ConfigRecord::waRA}, {ethernet_page::kDnsServer1, &ConfigRecord::waD1},
    {ethernet_page::kDnsServer2, &ConfigRecord::waD2},
};

} // namespace

EthernetPage::EthernetPage(QWidget* parent)
    : ConfigPage(kTemplateEthernetPage, parent), ui_(std::make_unique<Ui::EthernetPageTemplate>()) {
    ui_->setupUi(this);
    connect(ui_->configure, &QComboBox::currentIndexChanged, this, &EthernetPage::ApplyAddressRule);
}

EthernetPage::~EthernetPage() = default;

void EthernetPage::LoadSettings() {
    SetComboSelection(this, ethernet_page::kConfigureTcpIp,
                      (configuration->waCV & kWanManual) != 0 ? ethernet_page::kManually
                                                              : ethernet_page::kUsingDhcp);
    for (const EthernetAddressField& field : kEthernetAddresses) {
        SetAddressOrBlank(this, field.control, configuration->*field.value);
    }
    SetControlText(this, ethernet_page::kDomainName, configuration->waDN);
    SetControlText(this, ethernet_page::kDhcpClientId, configuration->waDC);
    ApplyAddressRule();
}

bool EthernetPage::SaveSettings() {
    configuration->waIn = kWanEthernet;
    if (GetComboSelection(this, ethernet_page::kConfigureTcpIp) == ethernet_page::kManually) {
        configuration->waCV = kWanManual;
        for (const EthernetAddressField& field : kEthernetAddresses) {
            configuration->*field.value = GetIPAddress(this, field.control);
        }
        GetControlText(this, ethernet_page::kDomainName, configuration->waDN);
    } else {
        configuration->waCV = kWanDhcp;
        GetControlText(this, ethernet_page::kDhcpClientId, configuration->waDC);
    }
    return true;
}

void EthernetPage::ApplyAddressRule() {
    const bool manual = GetComboSelection(this, ethernet_page::kConfigureTcpIp) == ethernet_page::kManually;
    for (const int control : {int{ethernet_page::kIpAddress}, int{ethernet_page::kSubnetMask},
                              int{ethernet_page::kRouterAddress}, int{ethernet_page::kDnsServer1},
                              int{ethernet_page::kDnsServer2}, int{ethernet_page::kDomainName}}) {
        EnableControl(this, control, manual);
    }
    ShowControl(this, ethernet_page::kDhcpClientIdLabel, !manual);
    ShowControl(this, ethernet_page::kDhcpClientId, !manual);
}

} // namespace corvane
