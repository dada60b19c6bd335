// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>
#include <string>

class QFont;
class QTabWidget;
class QWidget;

namespace corvane {

// The control binding helpers: every dialog reads and sets its controls by id through these. Each control
// carries its id in the dynamic property "controlId"; a control on a nested page belongs to that page, not to
// the window around it. Text is station text: Windows-1252 bytes, converted to and from what the control
// shows (edits refuse characters it cannot hold where they are typed: widgets/station_text_guard.h). Every
// helper but SetPageTitle throws ControlError, before changing anything, when the dialog has no control with
// the id.

inline constexpr char kControlIdProperty[] = "controlId";

// Makes `widget` a dialog of its own inside another (a nested settings page): its controls are no longer the
// surrounding window's.
void MarkControlScope(QWidget* widget);

QWidget* FindControl(QWidget* dialog, int id); // null when absent; throws nothing
QWidget* GetControl(QWidget* dialog, int id);  // throws ControlError when absent

void GetControlText(QWidget* dialog, int id, std::string& text);
void SetControlText(QWidget* dialog, int id, const std::string& text);
// The number at the start of the text: blanks, an optional sign, decimal digits; 0 without digits. A number
// beyond the 32-bit range gives the nearest bound.
std::int32_t GetControlNumber(QWidget* dialog, int id);
void SetControlNumber(QWidget* dialog, int id, std::int32_t value);
void EnableControl(QWidget* dialog, int id, bool enable);
void ShowControl(QWidget* dialog, int id, bool show);
// A null font gives the control back the font it inherits.
void SetControlFont(QWidget* dialog, int id, const QFont* font, bool redraw);

enum CheckState : int { kUnchecked = 0, kChecked = 1, kIndeterminate = 2 };
int GetCheck(QWidget* dialog, int id);
void SetCheck(QWidget* dialog, int id, int state); // raises no click or toggle notification

int GetComboSelection(QWidget* dialog, int id); // -1 when none
// An index out of range leaves no entry selected; raises no selection-change notification.
void SetComboSelection(QWidget* dialog, int id, int index);
// The selected index; its text is copied only when an entry is selected.
int GetComboText(QWidget* dialog, int id, std::string& text);
void ClearCombo(QWidget* dialog, int id);
int AddComboString(QWidget* dialog, int id, const std::string& text);

std::uint32_t GetIPAddress(QWidget* dialog, int id);
void SetIPAddress(QWidget* dialog, int id, std::uint32_t address);

// Focuses the control as tabbing to it would (an edit's text is selected).
void FocusControl(QWidget* dialog, int id);

// Sets the tab caption of a page of a sheet; for the active page the sheet's own title follows.
void SetPageTitle(QTabWidget* sheet, int index, const std::string& title);

} // namespace corvane
