// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "pages/config_page.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Ui {
class CorvanePageTemplate;
}

namespace corvane {

// "Corvane" (template 105): the station's identity and password, and its wireless network: name, channel,
// density, multicast rate, closed network, interference robustness and WEP encryption with its key.
class CorvanePage : public ConfigPage {
    Q_OBJECT

public:
    explicit CorvanePage(QWidget* parent = nullptr);
    ~CorvanePage() override;

    bool Validate() override;
    bool SaveSettings() override;
    void LoadSettings() override;

    // The WEP mode and key (wire order) the page holds now: a key entered here shows before it is stored.
    std::uint32_t WepMode() const { return wepMode_; }
    const std::vector<std::uint8_t>& NetworkKey() const { return networkKey_; }

private:
    void LoadChannels();
    void ChangeStationPassword();
    void ChangeNetworkPassword();
    void EncryptionClicked(bool checked);
    // A setting that can lock clients out is kept only when the administrator confirms it.
    void ConfirmChecked(int control, StringId messageId, bool checked);
    void DensityChanged(int density);
    void MulticastChanged(int multicast);

    std::unique_ptr<Ui::CorvanePageTemplate> ui_;
    std::string pendingPassword_;
    std::vector<std::uint8_t> networkKey_;
    std::uint32_t wepMode_ = 0;
    bool keyEntered_ = false;
};

} // namespace corvane
