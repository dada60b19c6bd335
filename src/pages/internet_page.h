// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "pages/config_page.h"

#include <array>
#include <memory>

namespace Ui {
class InternetPageTemplate;
}

namespace corvane {

class PropertySheet;

// "Internet" (template 135): how the base station reaches the Internet. "Connect using:" and the tabs of a
// nested sheet of six connection sub-pages always agree; all six are loaded, only the chosen one is checked
// and stored.
class InternetPage : public ConfigPage {
    Q_OBJECT

public:
    // Entries of "Connect using:", which are also the indices of the sub-pages in the nested sheet.
    enum Connection : int { kEthernet, kModemV90, kModemV34, kPppoe, kAolV90, kAolV34, kConnectionCount };

    explicit InternetPage(QWidget* parent = nullptr);
    ~InternetPage() override;

    void SetConfig(ConfigRecord* record) override;
    void LoadSettings() override;
    bool Validate() override;
    bool SaveSettings() override;

    // The entry chosen in "Connect using:", -1 when none is.
    int SelectedConnection() const;
    // The sub-page of a connection, for revealing and focusing its controls; null outside the list.
    ConfigPage* ConnectionPage(int connection) const;
    PropertySheet& ConnectionSheet() { return *connectionSheet_; }

private:
    // The connection a record describes, from waIn, waCV, moMF and moMP.
    static Connection ConnectionOf(const ConfigRecord& record);

    std::unique_ptr<Ui::InternetPageTemplate> ui_;
    PropertySheet* connectionSheet_ = nullptr;
    std::array<ConfigPage*, kConnectionCount> connections_{};
};

} // namespace corvane
