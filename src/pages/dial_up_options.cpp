// SPDX-License-Identifier: Apache-2.0
#include "pages/dial_up_options.h"

#include "config/config_record.h"
#include "pages/idle_time_list.h"
#include "widgets/control_binding.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <limits>

namespace corvane {
namespace {

constexpr int kCountryDropDownWidth = 200;

int ListIndex(std::uint32_t value) {
    return value <= static_cast<std::uint32_t>(std::numeric_limits<int>::max()) ? static_cast<int>(value)
                                                                                : -1;
}

} // namespace

void WidenCountryDropDown(QWidget* page, int country) {
    if (auto* list = qobject_cast<QComboBox*>(GetControl(page, country))) {
        list->view()->setMinimumWidth(kCountryDropDownWidth);
    }
}

void LoadDialUpOptions(QWidget* page, const DialUpControls& controls, const ConfigRecord& record) {
    SetControlText(page, controls.mainNumber, record.moPN);
    SetControlText(page, controls.alternateNumber, record.moAP);
    SetComboSelection(page, controls.idleTime, IdleTimeIndex(record.moID));
    SetComboSelection(page, controls.country, ListIndex(record.moCI));
    SetCheck(page, controls.ignoreDialTone, record.moDT != 0 ? kChecked : kUnchecked);
    SetCheck(page, controls.pulseDialing, record.moPD != 0 ? kChecked : kUnchecked);
    SetCheck(page, controls.automaticallyDial, record.moAD != 0 ? kChecked : kUnchecked);
}

void StoreDialUpOptions(QWidget* page, const DialUpControls& controls, ConfigRecord& record) {
    GetControlText(page, controls.mainNumber, record.moPN);
    GetControlText(page, controls.alternateNumber, record.moAP);
    record.moID = IdleTimeSeconds(GetComboSelection(page, controls.idleTime));
    if (const int country = GetComboSelection(page, controls.country); country >= 0) {
        record.moCI = static_cast<std::uint32_t>(country);
    }
    record.moDT = GetCheck(page, controls.ignoreDialTone) == kChecked ? 1 : 0;
    record.moPD = GetCheck(page, controls.pulseDialing) == kChecked ? 1 : 0;
    record.moAD = GetCheck(page, controls.automaticallyDial) == kChecked ? 1 : 0;
}

} // namespace corvane
