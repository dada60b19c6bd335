// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "strings/ids/string_ids.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <string>

class QAbstractItemView;
class QDialog;
class QWidget;

namespace corvane::testing {

// Drives modal dialogs from inside their own event loop: the action queued here runs, through a zero-time
// timer, on the next modal dialog that shows, once its loop is running. A modal dialog that shows with no
// action queued is recorded and cancelled, so a test that did not expect it fails instead of hanging.
void OnNextModal(std::function<void(QDialog& dialog)> action);
// Titles of the modal dialogs that showed without an action since the last call; clears the record.
QStringList TakeUnexpectedModals();

// Clicks the button with this control id.
void ClickControl(QWidget* dialog, int id);
// Replaces the text of the edit with this control id, as typing would.
void TypeInto(QWidget* dialog, int id, const QString& text);
// Types each dotted part into its field of the IP address control with this id; "" leaves the control blank.
void TypeAddress(QWidget* dialog, int id, const QString& address);
// Picks the entry of the drop-down list with this control id, as the user choosing it would.
void ChooseIn(QWidget* dialog, int id, int index);
QString TextOf(QWidget* dialog, int id);
bool IsShown(QWidget* dialog, int id);
// String `id` of the program's string table.
QString ResourceText(StringId id);
// The texts of every label of the dialog, control id or not, as shown (without mnemonic ampersands).
QStringList LabelTexts(const QWidget* dialog);
// The column captions of a list, left to right.
QStringList ColumnCaptions(const QAbstractItemView* list);

} // namespace corvane::testing
