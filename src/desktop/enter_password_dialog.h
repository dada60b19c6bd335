// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "widgets/password_dialog.h"

#include <memory>

namespace Ui {
class EnterPasswordTemplate;
}

namespace corvane {

// "Enter Password" (template 146): asks for a base station's password. Any text passes, the empty one too.
class EnterPasswordDialog : public PasswordDialog {
    Q_OBJECT

public:
    explicit EnterPasswordDialog(QWidget* parent = nullptr);
    ~EnterPasswordDialog() override;

private:
    std::unique_ptr<Ui::EnterPasswordTemplate> ui_;
};

} // namespace corvane
