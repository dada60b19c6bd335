// SPDX-License-Identifier: Apache-2.0
#include "pages/pppoe_page.h"

#include "config/config_record.h"
#include "config/wan_connection.h"
#include "pages/change_password_dialog.h"
#include "pages/idle_time_list.h"
#include "pages/ppp_addresses.h"
#include "rules/connection_rules.h"
#include "strings/ids/pppoe_page_controls.h"
#include "strings/ids/template_ids.h"
#include "ui_template_138_pppoe_page.h"
#include "widgets/control_binding.h"

#include <QCheckBox>
#include <QPushButton>

namespace corvane {
namespace {

constexpr PppAddressControls kPppoeAddresses = {pppoe_page::kShownIpAddress,     pppoe_page::kShownSubnetMask,
                                                pppoe_page::kShownRouterAddress, pppoe_page::kDnsServer1,
                                                pppoe_page::kDnsServer2,         pppoe_page::kDomainName};

} // namespace

PPPoEPage::PPPoEPage(QWidget* parent)
    : ConfigPage(kTemplatePppoePage, parent), ui_(std::make_unique<Ui::PppoePageTemplate>()) {
    ui_->setupUi(this);
    connect(ui_->alwaysConnected, &QCheckBox::clicked, this, &PPPoEPage::ApplyStayConnectedRule);
    connect(ui_->changePassword, &QPushButton::clicked, this, &PPPoEPage::ChangePassword);
}

PPPoEPage::~PPPoEPage() = default;

void PPPoEPage::LoadSettings() {
    SetControlText(this, pppoe_page::kUserName, configuration->peUN);
    pendingPassword_ = configuration->pePW;
    SetControlText(this, pppoe_page::kServiceName, configuration->peSN);
    SetCheck(this, pppoe_page::kAlwaysStayConnected, configuration->peSC != 0 ? kChecked : kUnchecked);
    SetCheck(this, pppoe_page::kAutomaticallyConnect, configuration->peAC != 0 ? kChecked : kUnchecked);
    SetComboSelection(this, pppoe_page::kIdleTime, IdleTimeIndex(configuration->peID));
    // The addresses belong to whichever connection the record describes; only PPPoE's are shown here.
    LoadPppAddresses(this, kPppoeAddresses, *configuration, IsPppoeConnection(*configuration));
    ApplyStayConnectedRule();
}

bool PPPoEPage::Validate() {
    std::string userName;
    GetControlText(this, pppoe_page::kUserName, userName);
    return RejectFirstBreak(
        CheckPppoeUser(userName, pendingPassword_),
        {{MakeTag("peUN"), pppoe_page::kUserName}, {MakeTag("pePW"), pppoe_page::kChangePassword}});
}

bool PPPoEPage::SaveSettings() {
    configuration->waCV = kWanPpp;
    configuration->waIn = kWanEthernet;
    GetControlText(this, pppoe_page::kUserName, configuration->peUN);
    configuration->pePW = pendingPassword_;
    GetControlText(this, pppoe_page::kServiceName, configuration->peSN);
    configuration->peSC = GetCheck(this, pppoe_page::kAlwaysStayConnected) == kChecked ? 1 : 0;
    configuration->peAC = GetCheck(this, pppoe_page::kAutomaticallyConnect) == kChecked ? 1 : 0;
    configuration->peID = IdleTimeSeconds(GetComboSelection(this, pppoe_page::kIdleTime));
    StorePppAddresses(this, kPppoeAddresses, *configuration);
    return true;
}

void PPPoEPage::ApplyStayConnectedRule() {
    const bool onDemand = GetCheck(this, pppoe_page::kAlwaysStayConnected) != kChecked;
    for (const int control : {int{pppoe_page::kAutomaticallyConnect}, int{pppoe_page::kIdleTimeLabel},
                              int{pppoe_page::kIdleTime}}) {
        EnableControl(this, control, onDemand);
    }
}

void PPPoEPage::ChangePassword() {
    ChangePasswordDialog dialog;
    dialog.Run(pendingPassword_);
}

} // namespace corvane
