// SPDX-License-Identifier: Apache-2.0
#include "pages/modem_page.h"

#include "config/config_record.h"
#include "config/wan_connection.h"
#include "pages/change_password_dialog.h"
#include "pages/dial_up_options.h"
#include "pages/ppp_addresses.h"
#include "rules/connection_rules.h"
#include "strings/ids/modem_page_controls.h"
#include "strings/ids/template_ids.h"
#include "ui_template_137_modem_page.h"
#include "widgets/control_binding.h"

#include <QPushButton>

namespace corvane {
namespace {

constexpr DialUpControls kModemDialUp = {modem_page::kMainNumber,       modem_page::kAlternateNumber,
                                         modem_page::kIdleTime,         modem_page::kCountry,
                                         modem_page::kIgnoreDialTone,   modem_page::kPulseDialing,
                                         modem_page::kAutomaticallyDial};
constexpr PppAddressControls kModemAddresses = {modem_page::kShownIpAddress,     modem_page::kShownSubnetMask,
                                                modem_page::kShownRouterAddress, modem_page::kDnsServer1,
                                                modem_page::kDnsServer2,         modem_page::kDomainName};

} // namespace

ModemPage::ModemPage(QWidget* parent)
    : ConfigPage(kTemplateModemPage, parent), ui_(std::make_unique<Ui::ModemPageTemplate>()) {
    ui_->setupUi(this);
    WidenCountryDropDown(this, modem_page::kCountry);
    connect(ui_->changePassword, &QPushButton::clicked, this, &ModemPage::ChangePassword);
}

ModemPage::~ModemPage() = default;

void ModemPage::LoadSettings() {
    LoadDialUpOptions(this, kModemDialUp, *configuration);
    SetControlText(this, modem_page::kUserName, configuration->moUN);
    pendingPassword_ = configuration->moPW;
    // The addresses belong to whichever connection the record describes; only a plain modem's are shown here.
    const bool modem = (configuration->waCV & kWanPppBit) != 0 && configuration->waIn == kWanModem &&
                       (configuration->moMF & kModemAolFlag) == 0;
    LoadPppAddresses(this, kModemAddresses, *configuration, modem);
}

bool ModemPage::Validate() {
    std::string mainNumber;
    std::string userName;
    GetControlText(this, modem_page::kMainNumber, mainNumber);
    GetControlText(this, modem_page::kUserName, userName);
    return RejectFirstBreak(CheckModemUser(mainNumber, userName, pendingPassword_),
                            {{MakeTag("moPN"), modem_page::kMainNumber},
                             {MakeTag("moUN"), modem_page::kUserName},
                             {MakeTag("moPW"), modem_page::kChangePassword}});
}

bool ModemPage::SaveSettings() {
    configuration->waCV = kWanPpp;
    configuration->waIn = kWanModem;
    configuration->moMF = 0;
    StoreDialUpOptions(this, kModemDialUp, *configuration);
    GetControlText(this, modem_page::kUserName, configuration->moUN);
    configuration->moPW = pendingPassword_;
    StorePppAddresses(this, kModemAddresses, *configuration);
    return true;
}

void ModemPage::ChangePassword() {
    ChangePasswordDialog dialog;
    dialog.Run(pendingPassword_);
}

} // namespace corvane
