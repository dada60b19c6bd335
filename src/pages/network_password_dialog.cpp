// SPDX-License-Identifier: Apache-2.0
#include "pages/network_password_dialog.h"

#include "config/network_password.h"
#include "strings/ids/network_password_controls.h"
#include "strings/ids/string_ids.h"
#include "ui_template_150_network_password.h"
#include "widgets/control_binding.h"
#include "widgets/messages.h"

namespace corvane {

namespace {

constexpr int k40BitEntry = 0;
constexpr int k128BitEntry = 1;

} // namespace

NetworkPasswordDialog::NetworkPasswordDialog(QWidget* parent)
    : TemplateDialog(parent), ui_(std::make_unique<Ui::NetworkPasswordTemplate>()) {
    ui_->setupUi(this);
    BindStandardButtons();
}

NetworkPasswordDialog::~NetworkPasswordDialog() = default;

bool NetworkPasswordDialog::Run(std::uint32_t& wepMode, std::vector<std::uint8_t>& key) {
    wepMode_ = wepMode;
    if (exec() != kOk) {
        return false;
    }
    wepMode = wepMode_;
    key = key_;
    return true;
}

void NetworkPasswordDialog::OnInitDialog() {
    SetComboSelection(this, network_password::kKeySize, wepMode_ == kWep128 ? k128BitEntry : k40BitEntry);
}

void NetworkPasswordDialog::OnOK() {
    const std::uint32_t mode =
        GetComboSelection(this, network_password::kKeySize) != k40BitEntry ? kWep128 : kWep40;
    std::string password;
    std::string confirmation;
    GetControlText(this, network_password::kNewPassword, password);
    GetControlText(this, network_password::kConfirm, confirmation);
    if (password != confirmation) {
        ShowMessage(kStrPasswordMismatch, 0, false);
        return;
    }
    std::vector<std::uint8_t> key;
    if (!ParseNetworkPassword(password, mode, key)) {
        ShowMessage(kStrInvalidNetworkPassword, 0, false);
        return;
    }
    wepMode_ = mode;
    key_ = std::move(key);
    done(kOk);
}

} // namespace corvane
