// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "pages/config_page.h"

#include <memory>
#include <string>

namespace Ui {
class ModemPageTemplate;
}

namespace corvane {

// "Modem" (template 137): a dial-up account through the built-in modem. The Internet page holds two of these,
// for V.90 and V.34; each keeps its own pending password, changed only through "Change Password...".
class ModemPage : public ConfigPage {
    Q_OBJECT

public:
    explicit ModemPage(QWidget* parent = nullptr);
    ~ModemPage() override;

    void LoadSettings() override;
    bool Validate() override;
    bool SaveSettings() override;

    const std::string& PendingPassword() const { return pendingPassword_; }

private:
    void ChangePassword();

    std::unique_ptr<Ui::ModemPageTemplate> ui_;
    std::string pendingPassword_;
};

} // namespace corvane
