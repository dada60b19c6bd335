// SPDX-License-Identifier: Apache-2.0
#include "desktop/choose_other_dialog.h"

#include "config/secret_memory.h"
#include "strings/ids/choose_other_controls.h"
#include "strings/ids/dialog_buttons.h"
#include "ui_template_147_choose_other.h"
#include "widgets/control_binding.h"

namespace corvane {

ChooseOtherDialog::ChooseOtherDialog(QWidget* parent)
    : TemplateDialog(parent), ui_(std::make_unique<Ui::ChooseOtherTemplate>()) {
    ui_->setupUi(this);
    BindStandardButtons();
}

ChooseOtherDialog::~ChooseOtherDialog() = default;

bool ChooseOtherDialog::Run(std::string& address, std::string& password) {
    ProtectSecrets();
    const bool ok = exec() == kOk;
    if (ok) {
        address = address_;
        password = password_;
    }
    WipeSecret(password_);
    return ok;
}

void ChooseOtherDialog::OnInitDialog() {
    SetControlText(this, choose_other::kAddress, address_);
    SetControlText(this, choose_other::kPassword, password_);
}

void ChooseOtherDialog::OnOK() {
    GetControlText(this, choose_other::kAddress, address_);
    GetControlText(this, choose_other::kPassword, password_);
    done(kOk);
}

} // namespace corvane
