// SPDX-License-Identifier: Apache-2.0
#pragma once

class QLineEdit;
class QWidget;

namespace corvane {

// Station text is Windows-1252, so an edit refuses, where it is typed or pasted, a character that
// Windows-1252 cannot hold, and says so at once in a tooltip under the edit; the text stays as it was.
// Nothing is ever replaced silently, so a password or key reads back exactly as typed.
//
// Every line edit that carries a control id is guarded whenever its dialog (TemplateDialog) or page
// (ConfigPage) is shown, so pages need do nothing. A validator the edit had keeps working behind the guard.
// An edit that gets its validator or is made while its dialog is showing calls GuardStationText itself.

inline constexpr char kUnencodableCharacterMessage[] =
    "\"%1\" cannot be used here: base stations hold text in the Windows-1252 character set.";

void GuardStationText(QLineEdit* edit);
void GuardStationTexts(QWidget* dialog);

} // namespace corvane
