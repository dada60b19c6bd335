// SPDX-License-Identifier: Apache-2.0
#include "pages/network_page.h"

#include "config/config_record.h"
#include "pages/port_mapping_dialog.h"
#include "rules/lease_rules.h"
#include "strings/ids/network_page_controls.h"
#include "strings/ids/string_ids.h"
#include "strings/ids/template_ids.h"
#include "strings/string_table.h"
#include "ui_template_140_network_page.h"
#include "widgets/address_or_blank.h"
#include "widgets/control_binding.h"
#include "widgets/control_notifications.h"

#include <algorithm>
#include <array>

namespace corvane {

namespace {

// Seconds in one second(s), minute(s), hour(s), day(s): the entries of the unit list.
constexpr std::array<std::int64_t, 4> kUnitSeconds = {1, 60, 3600, 86400};

std::int64_t UnitSeconds(int unit) {
    return kUnitSeconds[static_cast<std::size_t>(std::clamp(unit, 0, int(kUnitSeconds.size()) - 1))];
}

} // namespace

NetworkPage::NetworkPage(QWidget* parent)
    : ConfigPage(kTemplateNetworkPage, parent), ui_(std::make_unique<Ui::NetworkPageTemplate>()) {
    ui_->setupUi(this);
    OnClicked(this, network_page::kDistributeAddresses, [this](bool) { EnableControls(); });
    OnClicked(this, network_page::kShareSingleAddress, [this](bool) {
        EnableRange(GetCheck(this, network_page::kShareSingleAddress) == kUnchecked);
        UpdateExplanation();
    });
    OnClicked(this, network_page::kShareRange, [this](bool) {
        EnableRange(GetCheck(this, network_page::kShareRange) != kUnchecked);
        UpdateExplanation();
    });
    OnClicked(this, network_page::kPortMapping, [this](bool) { EditPortMappings(); });
    OnSelectionChanged(this, network_page::kLeaseUnit, [this](int unit) { UnitChanged(unit); });
}

NetworkPage::~NetworkPage() = default;

void NetworkPage::LoadSettings() {
    SetCheck(this, network_page::kDistributeAddresses, configuration->raDS != 0 ? kChecked : kUnchecked);
    // Checking one radio button unchecks the other; unchecking alone is refused by Qt.
    SetCheck(this, configuration->raNA != 0 ? network_page::kShareSingleAddress : network_page::kShareRange,
             kChecked);
    SetAddressOrBlank(this, network_page::kBeginning, configuration->dhBg);
    SetAddressOrBlank(this, network_page::kEnding, configuration->dhEn);
    // The largest unit that still gives two whole units.
    const std::uint32_t seconds = configuration->dhLe;
    int unit = static_cast<int>(kUnitSeconds.size()) - 1;
    while (unit > 0 && seconds / kUnitSeconds[static_cast<std::size_t>(unit)] < 2) {
        --unit;
    }
    SetControlNumber(this, network_page::kLeaseTime, static_cast<std::int32_t>(seconds / UnitSeconds(unit)));
    SetComboSelection(this, network_page::kLeaseUnit, unit);
    currentUnit_ = unit;
    EnableControls();
}

bool NetworkPage::Validate() {
    if (GetCheck(this, network_page::kDistributeAddresses) == kUnchecked) {
        return true;
    }
    std::string count;
    GetControlText(this, network_page::kLeaseTime, count);
    // A lease that does not fit 32 bits of seconds is refused like a short one, never wrapped.
    if (const std::optional<StringId> refused =
            CheckLeaseText(count, std::uint32_t(UnitSeconds(currentUnit_)))) {
        return RejectInput(*refused, network_page::kLeaseTime);
    }
    return true;
}

bool NetworkPage::SaveSettings() {
    const bool distribute = GetCheck(this, network_page::kDistributeAddresses) != kUnchecked;
    configuration->raDS = distribute ? 1 : 0;
    configuration->raWB = distribute ? 0 : 1;
    if (!distribute) {
        return true;
    }
    const bool shareSingle = GetCheck(this, network_page::kShareSingleAddress) != kUnchecked;
    configuration->raNA = shareSingle ? 1 : 0;
    if (!shareSingle) {
        if (const std::uint32_t beginning = GetIPAddress(this, network_page::kBeginning); beginning != 0) {
            configuration->dhBg = beginning;
        }
        if (const std::uint32_t ending = GetIPAddress(this, network_page::kEnding); ending != 0) {
            configuration->dhEn = ending;
        }
    }
    if (const std::optional<std::uint32_t> seconds =
            LeaseSeconds(GetComboSelection(this, network_page::kLeaseUnit))) {
        configuration->dhLe = *seconds;
    }
    return true;
}

void NetworkPage::UpdateExplanation() {
    StringId text = kStrExplainBridge;
    if (GetCheck(this, network_page::kDistributeAddresses) != kUnchecked) {
        text = GetCheck(this, network_page::kShareSingleAddress) != kUnchecked ? kStrExplainNatDhcp
                                                                               : kStrExplainDhcpRange;
    }
    SetControlText(this, network_page::kExplanation, std::string(ResourceString(text)));
}

void NetworkPage::EnableControls() {
    const bool distribute = GetCheck(this, network_page::kDistributeAddresses) != kUnchecked;
    for (const int control :
         {network_page::kClientsLabel, network_page::kShareSingleAddress, network_page::kShareRange}) {
        EnableControl(this, control, distribute);
    }
    EnableRange(distribute && GetCheck(this, network_page::kShareSingleAddress) == kUnchecked);
    for (const int control : {network_page::kLeaseTimeLabel, network_page::kLeaseTime,
                              network_page::kLeaseUnit, network_page::kPortMapping}) {
        EnableControl(this, control, distribute);
    }
    UpdateExplanation();
}

void NetworkPage::EnableRange(bool enable) {
    for (const int control : {network_page::kBeginningLabel, network_page::kBeginning,
                              network_page::kEndingLabel, network_page::kEnding}) {
        EnableControl(this, control, enable);
    }
}

void NetworkPage::UnitChanged(int unit) {
    if (unit == currentUnit_) {
        return;
    }
    // 64 bits hold any count in any unit; a result too large for a lease is left for Validate to refuse.
    const std::int64_t seconds =
        std::int64_t{GetControlNumber(this, network_page::kLeaseTime)} * UnitSeconds(currentUnit_);
    const std::int64_t count = seconds / UnitSeconds(unit);
    SetControlText(this, network_page::kLeaseTime, std::to_string(count == 0 ? 1 : count));
    currentUnit_ = unit;
}

std::optional<std::uint32_t> NetworkPage::LeaseSeconds(int unit) {
    std::string text;
    GetControlText(this, network_page::kLeaseTime, text);
    return corvane::LeaseSeconds(text, std::uint32_t(UnitSeconds(unit)));
}

void NetworkPage::EditPortMappings() {
    PortMappingDialog dialog(configuration, this);
    dialog.exec();
}

} // namespace corvane
