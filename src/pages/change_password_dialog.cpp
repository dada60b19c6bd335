#include "pages/change_password_dialog.h"

#include "app/messages.h"
#include "pages/control_binding.h"
#include "ui_template_149_change_password.h"

namespace corvane {

ChangePasswordDialog::ChangePasswordDialog(QWidget* parent)
    : PasswordDialog(1075, parent), ui_(std::make_unique<Ui::ChangePasswordTemplate>()) {
    ui_->setupUi(this);
    BindStandardButtons();
}

ChangePasswordDialog::~ChangePasswordDialog() = default;

void ChangePasswordDialog::OnOK() {
    ReadPassword();
    std::string confirmation;
    GetControlText(this, 1076, confirmation);
    if (!confirmation.empty() && confirmation == password_) {
        done(kOk);
        return;
    }
    ShowMessage(108, 0, false);
}

} // namespace corvane
