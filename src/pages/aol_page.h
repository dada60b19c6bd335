// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "pages/config_page.h"

#include <memory>

namespace Ui {
class AolPageTemplate;
}

namespace corvane {

// "AOL" (template 139): the America Online dial-up service through the built-in modem. It needs phone numbers
// and dialling options only; the account's user name, password and addresses stay as the record has them.
class AOLPage : public ConfigPage {
    Q_OBJECT

public:
    explicit AOLPage(QWidget* parent = nullptr);
    ~AOLPage() override;

    void LoadSettings() override;
    bool Validate() override;
    bool SaveSettings() override;

private:
    std::unique_ptr<Ui::AolPageTemplate> ui_;
};

} // namespace corvane
