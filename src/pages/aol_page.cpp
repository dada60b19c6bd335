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

using namespace aol_page;

constexpr DialUpControls kDialUp = {kMainNumber,     kAlternateNumber, kIdleTime,         kCountry,
                                    kIgnoreDialTone, kPulseDialing,    kAutomaticallyDial};

} // namespace

AOLPage::AOLPage(QWidget* parent)
    : ConfigPage(kTemplateAolPage, parent), ui_(std::make_unique<Ui::AolPageTemplate>()) {
    ui_->setupUi(this);
    WidenCountryDropDown(this, kCountry);
}

AOLPage::~AOLPage() = default;

void AOLPage::LoadSettings() {
    LoadDialUpOptions(this, kDialUp, *configuration);
}

bool AOLPage::Validate() {
    std::string mainNumber;
    GetControlText(this, kMainNumber, mainNumber);
    return RejectFirstBreak(CheckAolUser(mainNumber), {{MakeTag("moPN"), kMainNumber}});
}

bool AOLPage::SaveSettings() {
    configuration->waCV = kWanPpp;
    configuration->waIn = kWanModem;
    configuration->moMF = kModemAolFlag;
    StoreDialUpOptions(this, kDialUp, *configuration);
    return true;
}

} // namespace corvane
