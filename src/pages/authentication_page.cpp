#include "pages/authentication_page.h"

#include "config/config_record.h"
#include "strings/ids/authentication_page_controls.h"
#include "strings/ids/template_ids.h"
#include "ui_template_142_authentication.h"
#include "widgets/address_or_blank.h"
#include "widgets/control_binding.h"
#include "widgets/control_notifications.h"

namespace corvane {

using namespace authentication_page;

namespace {

// Only bit 0 of the two flag words belongs to this page.
constexpr std::uint32_t kRadiusOn = 1;

void SetRadiusBit(std::uint32_t& flags, bool on) {
    flags = on ? flags | kRadiusOn : flags & ~kRadiusOn;
}

} // namespace

AuthenticationPage::AuthenticationPage(QWidget* parent)
    : ConfigPage(kTemplateAuthenticationPage, parent), ui_(std::make_unique<Ui::AuthenticationTemplate>()) {
    ui_->setupUi(this);
    OnClicked(this, kUseRadiusCheck, [this](bool) { EnableServers(); });
}

AuthenticationPage::~AuthenticationPage() = default;

void AuthenticationPage::LoadSettings() {
    const ConfigRecord& record = *configuration;
    SetCheck(this, kUseRadiusCheck, ((record.raFl | record.raF2) & kRadiusOn) != 0 ? kChecked : kUnchecked);
    SetAddressOrBlank(this, kPrimaryAddress, record.raI1);
    SetControlNumber(this, kPrimaryPortEdit, std::int32_t(record.raAu));
    SetControlText(this, kPrimarySecretEdit, record.raSe);
    SetAddressOrBlank(this, kSecondaryAddress, record.raI2);
    SetControlNumber(this, kSecondaryPortEdit, std::int32_t(record.raU2));
    SetControlText(this, kSecondarySecretEdit, record.raS2);
    EnableServers();
}

bool AuthenticationPage::SaveSettings() {
    ConfigRecord& record = *configuration;
    const bool on = GetCheck(this, kUseRadiusCheck) == kChecked;
    SetRadiusBit(record.raFl, on);
    SetRadiusBit(record.raF2, on);
    // A blank address control keeps the stored address: address 0 cannot be stored from here.
    if (const std::uint32_t address = GetIPAddress(this, kPrimaryAddress); address != 0) {
        record.raI1 = address;
    }
    record.raAu = std::uint32_t(GetControlNumber(this, kPrimaryPortEdit));
    GetControlText(this, kPrimarySecretEdit, record.raSe);
    if (const std::uint32_t address = GetIPAddress(this, kSecondaryAddress); address != 0) {
        record.raI2 = address;
    }
    record.raU2 = std::uint32_t(GetControlNumber(this, kSecondaryPortEdit));
    GetControlText(this, kSecondarySecretEdit, record.raS2);
    return true;
}

void AuthenticationPage::EnableServers() {
    const bool on = GetCheck(this, kUseRadiusCheck) == kChecked;
    for (int id :
         {kPrimaryGroup, kPrimaryAddressLabel, kPrimaryAddress, kPrimaryPortLabel, kPrimaryPortEdit,
          kPrimarySecretLabel, kPrimarySecretEdit, kSecondaryGroup, kSecondaryAddressLabel, kSecondaryAddress,
          kSecondaryPortLabel, kSecondaryPortEdit, kSecondarySecretLabel, kSecondarySecretEdit}) {
        EnableControl(this, id, on);
    }
}

} // namespace corvane
