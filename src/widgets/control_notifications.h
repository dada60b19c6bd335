// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <functional>

class QWidget;

namespace corvane {

// The notifications a dialog handles, by control id. Only the user's actions notify: the control binding
// helpers set checks and selections silently. Both throw ControlError when the control is missing.

// A click on a button, check box or radio button; the handler gets the new check state.
void OnClicked(QWidget* dialog, int id, std::function<void(bool checked)> handler);
// A new selection in a drop-down list; the handler gets its index.
void OnSelectionChanged(QWidget* dialog, int id, std::function<void(int index)> handler);

} // namespace corvane
