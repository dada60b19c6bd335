#include "pages/choose_other_dialog.h"

#include "config/secret_memory.h"
#include "pages/control_binding.h"
#include "ui_template_147_choose_other.h"

namespace corvane {
namespace {

constexpr int kAddressEdit = 1054;
constexpr int kPasswordEdit = 1055;

} // namespace

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
    SetControlText(this, kAddressEdit, address_);
    SetControlText(this, kPasswordEdit, password_);
}

void ChooseOtherDialog::OnOK() {
    GetControlText(this, kAddressEdit, address_);
    GetControlText(this, kPasswordEdit, password_);
    done(kOk);
}

} // namespace corvane
