// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "pages/config_page.h"

#include <memory>
#include <string>

namespace Ui {
class PppoePageTemplate;
}

namespace corvane {

// "PPP over Ethernet (PPPoE)" (template 138): an account with user name, password and service name. The page
// has no password field: the password changes only through "Change Password..." and waits here until saved.
class PPPoEPage : public ConfigPage {
    Q_OBJECT

public:
    explicit PPPoEPage(QWidget* parent = nullptr);
    ~PPPoEPage() override;

    void LoadSettings() override;
    bool Validate() override;
    bool SaveSettings() override;

    const std::string& PendingPassword() const { return pendingPassword_; }

private:
    // "Always stay connected" makes "Automatically connect" and the idle time meaningless.
    void ApplyStayConnectedRule();
    void ChangePassword();

    std::unique_ptr<Ui::PppoePageTemplate> ui_;
    std::string pendingPassword_;
};

} // namespace corvane
