// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::progress {

// Controls of the progress dialog (template 153), besides the OK and Cancel buttons of dialog_buttons.h.
enum Control : int {
    kText = 1139, // what the operation is doing
};

} // namespace corvane::progress
