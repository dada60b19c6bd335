// SPDX-License-Identifier: Apache-2.0
#include "pages/change_password_dialog.h"

#include "strings/ids/change_password_controls.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/string_ids.h"
#include "ui_template_149_change_password.h"
#include "widgets/control_binding.h"
#include "widgets/messages.h"

namespace corvane {

ChangePasswordDialog::ChangePasswordDialog(QWidget* parent)
    : PasswordDialog(change_password::kNewPassword, parent),
      ui_(std::make_unique<Ui::ChangePasswordTemplate>()) {
    ui_->setupUi(this);
    BindStandardButtons();
}

ChangePasswordDialog::~ChangePasswordDialog() = default;

void ChangePasswordDialog::OnOK() {
    ReadPassword();
    std::string confirmation;
    GetControlText(this, change_password::kConfirmation, confirmation);
    if (!confirmation.empty() && confirmation == password_) {
        done(kOk);
        return;
    }
    ShowMessage(kStrPasswordMismatch, 0, false);
}

} // namespace corvane
