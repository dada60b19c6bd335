// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::config_window {

// Controls of the configuration window (template 134), besides the OK and Cancel buttons of dialog_buttons.h.
enum Control : int {
    kSheetPlace = 1060, // where the settings pages go
};

} // namespace corvane::config_window
