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

using namespace ethernet_page;

// The address fields, each with the record value it edits.
struct AddressField {
    int control;
    std::uint32_t ConfigRecord::*value;
};
constexpr AddressField kAddresses[] = {
    {kIpAddress, &ConfigRecord::waIP},     {kSubnetMask, &ConfigRecord::waSM},
    {kRouterAddress, &ConfigRecord::waRA}, {kDnsServer1, &ConfigRecord::waD1},
    {kDnsServer2, &ConfigRecord::waD2},
};

} // namespace

EthernetPage::EthernetPage(QWidget* parent)
    : ConfigPage(kTemplateEthernetPage, parent), ui_(std::make_unique<Ui::EthernetPageTemplate>()) {
    ui_->setupUi(this);
    connect(ui_->configure, &QComboBox::currentIndexChanged, this, &EthernetPage::ApplyAddressRule);
}

EthernetPage::~EthernetPage() = default;

void EthernetPage::LoadSettings() {
    SetComboSelection(this, kConfigureTcpIp,
                      (configuration->waCV & kWanManual) != 0 ? kManually : kUsingDhcp);
    for (const AddressField& field : kAddresses) {
        SetAddressOrBlank(this, field.control, configuration->*field.value);
    }
    SetControlText(this, kDomainName, configuration->waDN);
    SetControlText(this, kDhcpClientId, configuration->waDC);
    ApplyAddressRule();
}

bool EthernetPage::SaveSettings() {
    configuration->waIn = kWanEthernet;
    if (GetComboSelection(this, kConfigureTcpIp) == kManually) {
        configuration->waCV = kWanManual;
        for (const AddressField& field : kAddresses) {
            configuration->*field.value = GetIPAddress(this, field.control);
        }
        GetControlText(this, kDomainName, configuration->waDN);
    } else {
        configuration->waCV = kWanDhcp;
        GetControlText(this, kDhcpClientId, configuration->waDC);
    }
    return true;
}

void EthernetPage::ApplyAddressRule() {
    const bool manual = GetComboSelection(this, kConfigureTcpIp) == kManually;
    for (const int control : {int{kIpAddress}, int{kSubnetMask}, int{kRouterAddress}, int{kDnsServer1},
                              int{kDnsServer2}, int{kDomainName}}) {
        EnableControl(this, control, manual);
    }
    ShowControl(this, kDhcpClientIdLabel, !manual);
    ShowControl(this, kDhcpClientId, !manual);
}

} // namespace corvane
