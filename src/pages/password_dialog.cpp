#include "pages/password_dialog.h"

#include "pages/control_binding.h"

namespace corvane {

PasswordDialog::PasswordDialog(int passwordControl, QWidget* parent)
    : TemplateDialog(parent), passwordControl_(passwordControl) {}

bool PasswordDialog::Run(std::string& password) {
    if (exec() != kOk) {
        return false;
    }
    password = password_;
    return true;
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
