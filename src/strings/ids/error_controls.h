// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::error {

// Controls of "Error" (template 148), the dialog every message is shown in, besides the OK and Cancel buttons
// of dialog_buttons.h.
enum Control : int {
    kMessage = 1058,
    kCode = 1059,
    kCodeLabel = 1077, // "Error Code:"
    kIcon = 1141,
};

} // namespace corvane::error
