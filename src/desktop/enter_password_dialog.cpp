// SPDX-License-Identifier: Apache-2.0
#include "desktop/enter_password_dialog.h"

#include "strings/ids/enter_password_controls.h"
#include "ui_template_146_enter_password.h"

namespace corvane {

EnterPasswordDialog::EnterPasswordDialog(QWidget* parent)
    : PasswordDialog(enter_password::kPassword, parent), ui_(std::make_unique<Ui::EnterPasswordTemplate>()) {
    ui_->setupUi(this);
    BindStandardButtons();
}

EnterPasswordDialog::~EnterPasswordDialog() = default;

} // namespace corvane
