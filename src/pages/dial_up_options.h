// SPDX-License-Identifier: Apache-2.0
#pragma once

class QWidget;

namespace corvane {

class ConfigRecord;

// What the modem and AOL pages both edit: the phone numbers, the idle time, the country and the dialling
// options (moPN, moAP, moID, moCI, moDT, moPD, moAD). Every dial-up page shows the same values after loading.
struct DialUpControls {
    int mainNumber;
    int alternateNumber;
    int idleTime;
    int country;
    int ignoreDialTone;
    int pulseDialing;
    int automaticallyDial;
};

// The country names are long; the closed list stays narrow and only its drop-down is widened.
void WidenCountryDropDown(QWidget* page, int country);

void LoadDialUpOptions(QWidget* page, const DialUpControls& controls, const ConfigRecord& record);
// A country outside the list loads with no entry selected; storing then keeps the record's moCI instead of
// writing the index of no entry. No idle time selected stores 0 ("Never").
void StoreDialUpOptions(QWidget* page, const DialUpControls& controls, ConfigRecord& record);

} // namespace corvane
