#include "pages/enter_password_dialog.h"

#include "ui_template_146_enter_password.h"

namespace corvane {

EnterPasswordDialog::EnterPasswordDialog(QWidget* parent)
    : PasswordDialog(1056, parent), ui_(std::make_unique<Ui::EnterPasswordTemplate>()) {
    ui_->setupUi(this);
    BindStandardButtons();
}

EnterPasswordDialog::~EnterPasswordDialog() = default;

} // namespace corvane
