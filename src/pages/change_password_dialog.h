// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "widgets/password_dialog.h"

#include <memory>

namespace Ui {
class ChangePasswordTemplate;
}

namespace corvane {

// "Change Password" (template 149): a new password typed twice. "Change" passes only when the confirmation is
// not empty and equals the new password; otherwise message 108 is shown and the dialog stays open.
class ChangePasswordDialog : public PasswordDialog {
    Q_OBJECT

public:
    explicit ChangePasswordDialog(QWidget* parent = nullptr);
    ~ChangePasswordDialog() override;

protected:
    void OnOK() override;

private:
    std::unique_ptr<Ui::ChangePasswordTemplate> ui_;
};

} // namespace corvane
