// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::about {

// Controls of "About Corvane Admin Utility" (template 144), besides the OK and Cancel buttons of
// dialog_buttons.h.
enum Control : int {
    kTitle = 1105, // the program's name, in the larger serif font
    kVersion = 1106,
    kNotice = 1107,
    kProgramIcon = 1108,
};

} // namespace corvane::about
