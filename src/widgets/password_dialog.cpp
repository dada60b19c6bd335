// SPDX-License-Identifier: Apache-2.0
#include "widgets/password_dialog.h"

#include "config/secret_memory.h"
#include "widgets/control_binding.h"

namespace corvane {

PasswordDialog::PasswordDialog(int passwordControl, QWidget* parent)
    : TemplateDialog(parent), passwordControl_(passwordControl) {}

bool PasswordDialog::Run(std::string& password) {
    ProtectSecrets();
    const bool ok = exec() == kOk;
    if (ok) {
        password = password_;
    }
    WipeSecret(password_);
    return ok;
}

void PasswordDialog::OnInitDialog() {
    SetControlText(this, passwordControl_, password_);
}

void PasswordDialog::ReadPassword() {
    GetControlText(this, passwordControl_, password_);
}

void PasswordDialog::OnOK() {
    ReadPassword();
    done(kOk);
}

} // namespace corvane
