// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "pages/config_page.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace Ui {
class NetworkPageTemplate;
}

namespace corvane {

// "Network" (template 140): how the station shares its Internet connection (not at all, DHCP and NAT, or a
// DHCP range), the range, the lease time, and the port mappings.
class NetworkPage : public ConfigPage {
    Q_OBJECT

public:
    explicit NetworkPage(QWidget* parent = nullptr);
    ~NetworkPage() override;

    bool Validate() override;
    bool SaveSettings() override;
    void LoadSettings() override;
    // The text under the options that says what the chosen sharing does.
    virtual void UpdateExplanation();

private:
    void EnableControls();
    void EnableRange(bool enable);
    void UnitChanged(int unit);
    // The lease time in seconds, or none when the text is not all digits or the time does not fit 32 bits.
    std::optional<std::uint32_t> LeaseSeconds(int unit);
    void EditPortMappings();

    std::unique_ptr<Ui::NetworkPageTemplate> ui_;
    int currentUnit_ = 0;
};

} // namespace corvane
