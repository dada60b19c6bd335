// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "pages/config_page.h"

#include <memory>

namespace Ui {
class AuthenticationTemplate;
}

namespace corvane {

// "Authentication" (template 142): the RADIUS switch and the address, port and shared secret of the primary
// and the secondary server. It moves values between its controls and the record and checks nothing.
class AuthenticationPage : public ConfigPage {
    Q_OBJECT

public:
    explicit AuthenticationPage(QWidget* parent = nullptr);
    ~AuthenticationPage() override;

    bool SaveSettings() override;
    void LoadSettings() override;

private:
    // The servers' controls follow the switch.
    void EnableServers();

    std::unique_ptr<Ui::AuthenticationTemplate> ui_;
};

} // namespace corvane
