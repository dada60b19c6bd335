// SPDX-License-Identifier: Apache-2.0
#include "pages/internet_page.h"

#include "config/config_record.h"
#include "config/wan_connection.h"
#include "pages/aol_page.h"
#include "pages/ethernet_page.h"
#include "pages/modem_page.h"
#include "pages/pppoe_page.h"
#include "pages/property_sheet.h"
#include "rules/connection_rules.h"
#include "strings/ids/internet_page_controls.h"
#include "strings/ids/string_ids.h"
#include "strings/ids/template_ids.h"
#include "strings/string_table.h"
#include "ui_template_135_internet_page.h"
#include "widgets/control_binding.h"

#include <QComboBox>
#include <QVBoxLayout>

namespace corvane {

InternetPage::InternetPage(QWidget* parent)
    : ConfigPage(kTemplateInternetPage, parent), ui_(std::make_unique<Ui::InternetPageTemplate>()) {
    ui_->setupUi(this);

    // The nested sheet fills the place the template keeps for it.
    QWidget* place = GetControl(this, internet_page::kConnectionSheetPlace);
    auto* placeLayout = new QVBoxLayout(place);
    placeLayout->setContentsMargins(0, 0, 0, 0);
    connectionSheet_ = new PropertySheet(place);
    connectionSheet_->setUsesScrollButtons(false); // every connection's tab stays in sight
    placeLayout->addWidget(connectionSheet_);

    connections_ = {new EthernetPage, new ModemPage, new ModemPage, new PPPoEPage, new AOLPage, new AOLPage};
    for (ConfigPage* page : connections_) {
        connectionSheet_->AddPage(page);
        page->SetParentPage(this);
    }
    // The V.90 and V.34 twins share a template; their tabs say which is which.
    const std::pair<Connection, StringId> titles[] = {
        {kModemV90, kStrModemV90}, {kModemV34, kStrModemV34}, {kAolV90, kStrAolV90}, {kAolV34, kStrAolV34}};
    for (const auto& [connection, title] : titles) {
        SetPageTitle(connectionSheet_, connection, std::string(ResourceString(title)));
    }

    connect(ui_->connectionType, &QComboBox::currentIndexChanged, connectionSheet_,
            &PropertySheet::setCurrentIndex);
}

InternetPage::~InternetPage() = default;

void InternetPage::SetConfig(ConfigRecord* record) {
    ConfigPage::SetConfig(record);
    for (ConfigPage* page : connections_) {
        page->SetConfig(record);
    }
}

InternetPage::Connection InternetPage::ConnectionOf(const ConfigRecord& record) {
    const bool v90 = record.moMP == kModemV90;
    switch (ConnectionKindOf(record)) {
    case ConnectionKind::Modem:
        return v90 ? kModemV90 : kModemV34;
    case ConnectionKind::Aol:
        return v90 ? kAolV90 : kAolV34;
    case ConnectionKind::Pppoe:
        return kPppoe;
    case ConnectionKind::Ethernet:
        break;
    }
    return kEthernet;
}

void InternetPage::LoadSettings() {
    const Connection connection = ConnectionOf(*configuration);
    SetComboSelection(this, internet_page::kConnectionType, connection);
    connectionSheet_->setCurrentIndex(connection);
    for (ConfigPage* page : connections_) {
        page->LoadSettings();
    }
}

bool InternetPage::Validate() {
    ConfigPage* page = ConnectionPage(SelectedConnection());
    return page != nullptr && page->Validate();
}

bool InternetPage::SaveSettings() {
    const int connection = SelectedConnection();
    ConfigPage* page = ConnectionPage(connection);
    if (page == nullptr) {
        return false;
    }
    if (connection == kModemV90 || connection == kAolV90) {
        configuration->moMP = kModemV90;
    } else if ((connection == kModemV34 || connection == kAolV34) && configuration->moMP == kModemV90) {
        // Any value but V.90's reads back as V.34; a record that already says V.34 keeps its own value.
        configuration->moMP = kModemV34;
    }
    return page->SaveSettings();
}

int InternetPage::SelectedConnection() const {
    return ui_->connectionType->currentIndex();
}

ConfigPage* InternetPage::ConnectionPage(int connection) const {
    return connection >= 0 && connection < kConnectionCount
               ? connections_[static_cast<std::size_t>(connection)]
               : nullptr;
}

} // namespace corvane
