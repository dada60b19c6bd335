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

using namespace modem_page;

constexpr DialUpControls kDialUp = {kMainNumber,     kAlternateNumber, kIdleTime,         kCountry,
                                    kIgnoreDialTone, kPulseDialing,    kAutomaticallyDial};
constexpr PppAddressControls kAddresses = {kShownIpAddress, kShownSubnetMask, kShownRouterAddress,
                                           kDnsServer1,     kDnsServer2,      kDomainName};

} // namespace

ModemPage::ModemPage(QWidget* parent)
    : ConfigPage(kTemplateModemPage, parent), ui_(std::make_unique<Ui::ModemPageTemplate>()) {
    ui_->setupUi(this);
    WidenCountryDropDown(this, kCountry);
    connect(ui_->changePassword, &QPushButton::clicked, this, &ModemPage::ChangePassword);
}

ModemPage::~ModemPage() = default;

void ModemPage::LoadSettings() {
    LoadDialUpOptions(this, kDialUp, *configuration);
    SetControlText(this, kUserName, configuration->moUN);
    pendingPassword_ = configuration->moPW;
    // The addresses belong to whichever connection the record describes; only a plain modem's are shown here.
    const bool modem = (configuration->waCV & kWanPppBit) != 0 && configuration->waIn == kWanModem &&
                       (configuration->moMF & kModemAolFlag) == 0;
    LoadPppAddresses(this, kAddresses, *configuration, modem);
}

bool ModemPage::Validate() {
    std::string mainNumber;
    std::string userName;
    GetControlText(this, kMainNumber, mainNumber);
    GetControlText(this, kUserName, userName);
    return RejectFirstBreak(
        CheckModemUser(mainNumber, userName, pendingPassword_),
        {{MakeTag("moPN"), kMainNumber}, {MakeTag("moUN"), kUserName}, {MakeTag("moPW"), kChangePassword}});
}

bool ModemPage::SaveSettings() {
    configuration->waCV = kWanPpp;
    configuration->waIn = kWanModem;
    configuration->moMF = 0;
    StoreDialUpOptions(this, kDialUp, *configuration);
    GetControlText(this, kUserName, configuration->moUN);
    configuration->moPW = pendingPassword_;
    StorePppAddresses(this, kAddresses, *configuration);
    return true;
}

void ModemPage::ChangePassword() {
    ChangePasswordDialog dialog;
    dialog.Run(pendingPassword_);
}

} // namespace corvane
