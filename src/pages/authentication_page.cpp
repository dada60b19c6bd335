// SPDX-License-Identifier: Apache-2.0
#include "pages/authentication_page.h"

#include "config/config_record.h"
#include "strings/ids/authentication_page_controls.h"
#include "strings/ids/template_ids.h"
#include "ui_template_142_authentication.h"
#include "widgets/address_or_blank.h"
#include "widgets/control_binding.h"
#include "widgets/control_notifications.h"

namespace corvane {

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
    OnClicked(this, authentication_page::kUseRadiusCheck, [this](bool) { EnableServers(); });
}

AuthenticationPage::~AuthenticationPage() = default;

void AuthenticationPage::LoadSettings() {
    const ConfigRecord& record = *configuration;
    SetCheck(this, authentication_page::kUseRadiusCheck,
             ((record.raFl | record.raF2) & kRadiusOn) != 0 ? kChecked : kUnchecked);
    SetAddressOrBlank(this, authentication_page::kPrimaryAddress, record.raI1);
    SetControlNumber(this, authentication_page::kPrimaryPortEdit, std::int32_t(record.raAu));
    SetControlText(this, authentication_page::kPrimarySecretEdit, record.raSe);
    SetAddressOrBlank(this, authentication_page::kSecondaryAddress, record.raI2);
    SetControlNumber(this, authentication_page::kSecondaryPortEdit, std::int32_t(record.raU2));
    SetControlText(this, authentication_page::kSecondarySecretEdit, record.raS2);
    EnableServers();
}

bool AuthenticationPage::SaveSettings() {
    ConfigRecord& record = *configuration;
    const bool on = GetCheck(this, authentication_page::kUseRadiusCheck) == kChecked;
    SetRadiusBit(record.raFl, on);
    SetRadiusBit(record.raF2, on);
    // A blank address control keeps the stored address: address 0 cannot be stored from here.
    if (const std::uint32_t address = GetIPAddress(this, authentication_page::kPrimaryAddress);
        address != 0) {
        record.raI1 = address;
    }
    record.raAu = std::uint32_t(GetControlNumber(this, authentication_page::kPrimaryPortEdit));
    GetControlText(this, authentication_page::kPrimarySecretEdit, record.raSe);
    if (const std::uint32_t address = GetIPAddress(this, authentication_page::kSecondaryAddress);
        address != 0) {
        record.raI2 = address;
    }
    record.raU2 = std::uint32_t(GetControlNumber(this, authentication_page::kSecondaryPortEdit));
    GetControlText(this, authentication_page::kSecondarySecretEdit, record.raS2);
    return true;
}

void AuthenticationPage::EnableServers() {
    const bool on = GetCheck(this, authentication_page::kUseRadiusCheck) == kChecked;
    for (int id : {authentication_page::kPrimaryGroup, authentication_page::kPrimaryAddressLabel,
                   authentication_page::kPrimaryAddress, authentication_page::kPrimaryPortLabel,
                   authentication_page::kPrimaryPortEdit, authentication_page::kPrimarySecretLabel,
                   authentication_page::kPrimarySecretEdit, authentication_page::kSecondaryGroup,
                   authentication_page::kSecondaryAddressLabel, authentication_page::kSecondaryAddress,
                   authentication_page::kSecondaryPortLabel, authentication_page::kSecondaryPortEdit,
                   authentication_page::kSecondarySecretLabel, authentication_page::kSecondarySecretEdit}) {
        EnableControl(this, id, on);
    }
}

} // namespace corvane
