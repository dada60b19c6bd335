// SPDX-License-Identifier: Apache-2.0
#include "pages/config_page.h"

#include "pages/property_sheet.h"
#include "strings/ids/internet_page_controls.h"
#include "widgets/control_binding.h"
#include "widgets/messages.h"
#include "widgets/station_text_guard.h"

#include <QComboBox>
#include <algorithm>

namespace corvane {
namespace {

// The window around a sheet: the page that hosts a nested sheet, or the top-level window.
QWidget* SheetHost(QWidget* sheet) {
    QWidget* host = sheet->parentWidget();
    while (host != nullptr && !host->isWindow() && qobject_cast<ConfigPage*>(host) == nullptr) {
        host = host->parentWidget();
    }
    return host;
}

} // namespace

ConfigPage::ConfigPage(unsigned templateId, QWidget* parent) : QWidget(parent), templateId_(templateId) {
    MarkControlScope(this);
}

void ConfigPage::showEvent(QShowEvent* event) {
    GuardStationTexts(this);
    QWidget::showEvent(event);
}

void ConfigPage::Reveal() {
    if (parentPage != nullptr) {
        parentPage->Reveal();
    }
    if (sheet != nullptr) {
        sheet->setCurrentWidget(this);
    }
}

bool ConfigPage::Validate() {
    return true;
}

bool ConfigPage::SaveSettings() {
    return true;
}

void ConfigPage::LoadSettings() {}

void ConfigPage::SetConfig(ConfigRecord* record) {
    configuration = record;
}

void ConfigPage::SetSheet(PropertySheet* pageSheet) {
    sheet = pageSheet;
}

void ConfigPage::SetParentPage(ConfigPage* page) {
    parentPage = page;
}

bool ConfigPage::RejectInput(StringId messageId, int control) {
    ShowMessage(messageId, 0, false);
    Reveal();
    FocusControl(this, control);
    return false;
}

bool ConfigPage::RejectFirstBreak(const RuleBreaks& broken, std::initializer_list<PropertyControl> controls) {
    if (broken.empty()) {
        return true;
    }
    const auto* shown = std::find_if(controls.begin(), controls.end(), [&](const PropertyControl& c) {
        return c.property == broken.front().property;
    });
    return RejectInput(broken.front().message,
                       shown != controls.end() ? shown->control : controls.begin()->control);
}

void ConfigPage::OnSetActive() {
    if (sheet == nullptr) {
        return;
    }
    QWidget* host = SheetHost(sheet);
    if (host != nullptr &&
        qobject_cast<QComboBox*>(FindControl(host, internet_page::kConnectionType)) != nullptr) {
        SetComboSelection(host, internet_page::kConnectionType, sheet->indexOf(this));
    }
}

} // namespace corvane
