// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::choose_other {

// Controls of "Choose Other" (template 147), besides the OK and Cancel buttons of dialog_buttons.h.
enum Control : int {
    kAddress = 1054, // a dotted IPv4 address: no host name is looked up and no port is read
    kPassword = 1055,
};

} // namespace corvane::choose_other
