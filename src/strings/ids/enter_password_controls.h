// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::enter_password {

// Controls of "Enter Password" (template 146), besides the OK and Cancel buttons of dialog_buttons.h.
enum Control : int {
    kPassword = 1056,
};

} // namespace corvane::enter_password
