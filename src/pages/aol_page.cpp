// SPDX-License-Identifier: Apache-2.0
#include "pages/aol_page.h"

#include "config/config_record.h"
#include "config/wan_connection.h"
#include "pages/dial_up_options.h"
#include "rules/connection_rules.h"
#include "strings/ids/aol_page_controls.h"
#include "strings/ids/template_ids.h"
#include "ui_template_139_aol_page.h"
#include "widgets/control_binding.h"

namespace corvane {
namespace {

constexpr DialUpControls kAolDialUp = {
    aol_page::kMainNumber,     aol_page::kAlternateNumber, aol_page::kIdleTime,         aol_page::kCountry,
    aol_page::kIgnoreDialTone, aol_page::kPulseDialing,    aol_page::kAutomaticallyDial};

} // namespace

AOLPage::AOLPage(QWidget* parent)
    : ConfigPage(kTemplateAolPage, parent), ui_(std::make_unique<Ui::AolPageTemplate>()) {
    ui_->setupUi(this);
    WidenCountryDropDown(this, aol_page::kCountry);
}

AOLPage::~AOLPage() = default;

void AOLPage::LoadSettings() {
    LoadDialUpOptions(this, kAolDialUp, *configuration);
}

bool AOLPage::Validate() {
    std::string mainNumber;
    GetControlText(this, aol_page::kMainNumber, mainNumber);
    return RejectFirstBreak(CheckAolUser(mainNumber), {{MakeTag("moPN"), aol_page::kMainNumber}});
}

bool AOLPage::SaveSettings() {
    configuration->waCV = kWanPpp;
    configuration->waIn = kWanModem;
    configuration->moMF = kModemAolFlag;
    StoreDialUpOptions(this, kAolDialUp, *configuration);
    return true;
}

} // namespace corvane
