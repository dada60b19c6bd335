// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::change_password {

// Controls of "Change Password" (template 149), besides the OK and Cancel buttons of dialog_buttons.h.
enum Control : int {
    kNewPassword = 1075,
    kConfirmation = 1076,
};

} // namespace corvane::change_password
