// SPDX-License-Identifier: Apache-2.0
#include "pages/corvane_page.h"

#include "config/config_record.h"
#include "config/network_password.h"
#include "pages/change_password_dialog.h"
#include "pages/network_password_dialog.h"
#include "rules/wireless_rules.h"
#include "strings/ids/corvane_page_controls.h"
#include "strings/ids/string_ids.h"
#include "strings/ids/template_ids.h"
#include "ui_template_105_corvane_page.h"
#include "widgets/control_binding.h"
#include "widgets/control_notifications.h"
#include "widgets/messages.h"

#include <algorithm>
#include <charconv>

namespace corvane {

namespace {

// Entries of the density list: Low, Medium, High; what follows them asks for the default.
constexpr int kLow = 0;
constexpr int kFirstDensityDefault = 3;

// Entries of the multicast list ("1", "2", "5.5", "11", then defaults); anything but the four stores rate 2.
constexpr int kRate2 = 1;
constexpr int kFirstRateDefault = 4;

} // namespace

CorvanePage::CorvanePage(QWidget* parent)
    : ConfigPage(kTemplateCorvanePage, parent), ui_(std::make_unique<Ui::CorvanePageTemplate>()) {
    ui_->setupUi(this);
    OnClicked(this, corvane_page::kChangeStationPassword, [this](bool) { ChangeStationPassword(); });
    OnClicked(this, corvane_page::kChangeNetworkPassword, [this](bool) { ChangeNetworkPassword(); });
    OnClicked(this, corvane_page::kEncryption, [this](bool checked) { EncryptionClicked(checked); });
    OnClicked(this, corvane_page::kClosedNetwork, [this](bool checked) {
        ConfirmChecked(corvane_page::kClosedNetwork, kStrConfirmClosedNetwork, checked);
    });
    OnClicked(this, corvane_page::kInterferenceRobustness, [this](bool checked) {
        ConfirmChecked(corvane_page::kInterferenceRobustness, kStrConfirmInterferenceRobustness, checked);
    });
    OnSelectionChanged(this, corvane_page::kDensity, [this](int density) { DensityChanged(density); });
    OnSelectionChanged(this, corvane_page::kMulticastRate,
                       [this](int multicast) { MulticastChanged(multicast); });
}

CorvanePage::~CorvanePage() = default;

void CorvanePage::LoadSettings() {
    SetControlText(this, corvane_page::kName, configuration->syNm);
    SetControlText(this, corvane_page::kContact, configuration->syCt);
    SetControlText(this, corvane_page::kLocation, configuration->syLo);
    pendingPassword_ = configuration->syPW;
    SetControlText(this, corvane_page::kNetworkName, configuration->raNm);
    LoadChannels();
    SetComboSelection(this, corvane_page::kDensity,
                      static_cast<int>(std::min<std::uint32_t>(configuration->raDe, 0xFFFF)) - 1);
    SetComboSelection(this, corvane_page::kMulticastRate, MulticastIndex(configuration->raMu));
    SetCheck(this, corvane_page::kClosedNetwork, configuration->raCl != 0 ? kChecked : kUnchecked);
    SetCheck(this, corvane_page::kInterferenceRobustness, configuration->raRo != 0 ? kChecked : kUnchecked);
    wepMode_ = configuration->raWM;
    SetCheck(this, corvane_page::kEncryption, wepMode_ != kWepOff ? kChecked : kUnchecked);
    networkKey_ = GetWepKey(*configuration);
}

void CorvanePage::LoadChannels() {
    ClearCombo(this, corvane_page::kChannel);
    int selected = -1;
    for (const std::uint32_t channel : LegalChannels(configuration->raLC)) {
        const int entry = AddComboString(this, corvane_page::kChannel, std::to_string(channel));
        if (channel == configuration->raCh) {
            selected = entry;
        }
    }
    SetComboSelection(this, corvane_page::kChannel, selected);
}

bool CorvanePage::SaveSettings() {
    GetControlText(this, corvane_page::kName, configuration->syNm);
    GetControlText(this, corvane_page::kContact, configuration->syCt);
    GetControlText(this, corvane_page::kLocation, configuration->syLo);
    configuration->syPW = pendingPassword_;
    GetControlText(this, corvane_page::kNetworkName, configuration->raNm);

    std::string channel;
    configuration->raCh = 1;
    if (GetComboText(this, corvane_page::kChannel, channel) >= 0) {
        std::from_chars(channel.data(), channel.data() + channel.size(), configuration->raCh);
    }
    configuration->raDe = static_cast<std::uint32_t>(GetComboSelection(this, corvane_page::kDensity) + 1);
    const int multicast = GetComboSelection(this, corvane_page::kMulticastRate);
    configuration->raMu =
        multicast >= 0 && multicast < kFirstRateDefault ? kMulticastCodes[std::size_t(multicast)] : 2;
    configuration->raCl = GetCheck(this, corvane_page::kClosedNetwork) != kUnchecked ? 1 : 0;
    configuration->raRo = GetCheck(this, corvane_page::kInterferenceRobustness) != kUnchecked ? 1 : 0;
    configuration->raWM = wepMode_;
    if (keyEntered_) {
        SetWepKey(*configuration, networkKey_);
    }
    return true;
}

bool CorvanePage::Validate() {
    std::string name;
    GetControlText(this, corvane_page::kNetworkName, name);
    if (!NetworkNameAllowed(name)) {
        return RejectInput(kStrIllegalNetworkName, corvane_page::kNetworkName);
    }
    return true;
}

void CorvanePage::ChangeStationPassword() {
    ChangePasswordDialog dialog(this);
    dialog.Run(pendingPassword_);
}

void CorvanePage::ChangeNetworkPassword() {
    NetworkPasswordDialog dialog(this);
    if (dialog.Run(wepMode_, networkKey_)) {
        keyEntered_ = true;
        SetCheck(this, corvane_page::kEncryption, kChecked);
    }
}

void CorvanePage::EncryptionClicked(bool checked) {
    if (!checked) {
        wepMode_ = kWepOff;
        return;
    }
    // The box must never show encryption on while the record would receive it off, and encryption is never on
    // without a key: re-checking takes the mode of a usable key entered here, or asks for one.
    if (keyEntered_ && networkKey_.size() == kWep128KeySize) {
        wepMode_ = kWep128;
    } else if (keyEntered_ && networkKey_.size() == kWep40KeySize) {
        wepMode_ = kWep40;
    } else {
        ChangeNetworkPassword();
        if (wepMode_ == kWepOff) {
            SetCheck(this, corvane_page::kEncryption, kUnchecked);
        }
    }
}

void CorvanePage::ConfirmChecked(int control, StringId messageId, bool checked) {
    if (checked && ShowFormattedMessage(kStrNoteCaption, messageId, true) != 1) {
        SetCheck(this, control, kUnchecked);
    }
}

void CorvanePage::DensityChanged(int density) {
    if (density >= kFirstDensityDefault) {
        SetComboSelection(this, corvane_page::kDensity, kLow);
        return;
    }
    const int multicast = GetComboSelection(this, corvane_page::kMulticastRate);
    if (!MulticastRateAllowed(density, multicast)) {
        SetComboSelection(this, corvane_page::kMulticastRate, kRate2);
    }
}

void CorvanePage::MulticastChanged(int multicast) {
    if (multicast >= kFirstRateDefault) {
        SetComboSelection(this, corvane_page::kMulticastRate, kRate2);
        return;
    }
    const int density = GetComboSelection(this, corvane_page::kDensity);
    if (!MulticastRateAllowed(density, multicast)) {
        ShowMessage(kStrMulticastNeedsDensity, 0, false);
        SetComboSelection(this, corvane_page::kMulticastRate, kRate2);
    } else if (multicast > kRate2 &&
               ShowFormattedMessage(kStrNoteCaption, kStrConfirmMulticastRate, true) != 1) {
        SetComboSelection(this, corvane_page::kMulticastRate, kRate2);
    }
}

} // namespace corvane
