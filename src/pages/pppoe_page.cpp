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

using namespace pppoe_page;

constexpr PppAddressControls kAddresses = {kShownIpAddress, kShownSubnetMask, kShownRouterAddress,
                                           kDnsServer1,     kDnsServer2,      kDomainName};

} // namespace

PPPoEPage::PPPoEPage(QWidget* parent)
    : ConfigPage(kTemplatePppoePage, parent), ui_(std::make_unique<Ui::PppoePageTemplate>()) {
    ui_->setupUi(this);
    connect(ui_->alwaysConnected, &QCheckBox::clicked, this, &PPPoEPage::ApplyStayConnectedRule);
    connect(ui_->changePassword, &QPushButton::clicked, this, &PPPoEPage::ChangePassword);
}

PPPoEPage::~PPPoEPage() = default;

void PPPoEPage::LoadSettings() {
    SetControlText(this, kUserName, configuration->peUN);
    pendingPassword_ = configuration->pePW;
    SetControlText(this, kServiceName, configuration->peSN);
    SetCheck(this, kAlwaysStayConnected, configuration->peSC != 0 ? kChecked : kUnchecked);
    SetCheck(this, kAutomaticallyConnect, configuration->peAC != 0 ? kChecked : kUnchecked);
    SetComboSelection(this, kIdleTime, IdleTimeIndex(configuration->peID));
    // The addresses belong to whichever connection the record describes; only PPPoE's are shown here.
    LoadPppAddresses(this, kAddresses, *configuration, IsPppoeConnection(*configuration));
    ApplyStayConnectedRule();
}

bool PPPoEPage::Validate() {
    std::string userName;
    GetControlText(this, kUserName, userName);
    return RejectFirstBreak(CheckPppoeUser(userName, pendingPassword_),
                            {{MakeTag("peUN"), kUserName}, {MakeTag("pePW"), kChangePassword}});
}

bool PPPoEPage::SaveSettings() {
    configuration->waCV = kWanPpp;
    configuration->waIn = kWanEthernet;
    GetControlText(this, kUserName, configuration->peUN);
    configuration->pePW = pendingPassword_;
    GetControlText(this, kServiceName, configuration->peSN);
    configuration->peSC = GetCheck(this, kAlwaysStayConnected) == kChecked ? 1 : 0;
    configuration->peAC = GetCheck(this, kAutomaticallyConnect) == kChecked ? 1 : 0;
    configuration->peID = IdleTimeSeconds(GetComboSelection(this, kIdleTime));
    StorePppAddresses(this, kAddresses, *configuration);
    return true;
}

void PPPoEPage::ApplyStayConnectedRule() {
    const bool onDemand = GetCheck(this, kAlwaysStayConnected) != kChecked;
    for (const int control : {int{kAutomaticallyConnect}, int{kIdleTimeLabel}, int{kIdleTime}}) {
        EnableControl(this, control, onDemand);
    }
}

void PPPoEPage::ChangePassword() {
    ChangePasswordDialog dialog;
    dialog.Run(pendingPassword_);
}

} // namespace corvane
