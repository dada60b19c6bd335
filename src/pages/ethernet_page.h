// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "pages/config_page.h"

#include <memory>

namespace Ui {
class EthernetPageTemplate;
}

namespace corvane {

// "Ethernet" (template 136): the Internet through the Ethernet port, with addresses typed in ("Manually") or
// from a DHCP server ("Using DHCP"). With DHCP the record keeps its addresses for a later switch back.
class EthernetPage : public ConfigPage {
    Q_OBJECT

public:
    explicit EthernetPage(QWidget* parent = nullptr);
    ~EthernetPage() override;

    void LoadSettings() override;
    bool SaveSettings() override;

private:
    // "Using DHCP" disables the addresses and the domain name and shows the client ID; "Manually" the
    // reverse.
    void ApplyAddressRule();

    std::unique_ptr<Ui::EthernetPageTemplate> ui_;
};

} // namespace corvane
