#pragma once

namespace corvane::choose_other {

// Controls of "Choose Other" (template 147), besides the OK and Cancel buttons of dialog_buttons.h.
enum Control : int {
    kAddress = 1054, // host name or address, optionally with ":port"
    kPassword = 1055,
};

} // namespace corvane::choose_other
