// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::aol_page {

// Controls of the AOL connection page (template 139).
enum Control : int {
    kPulseDialing = 1010,
    kCountry = 1014,
    kMainNumber = 1109,
    kAlternateNumber = 1110,
    kIdleTime = 1111,
    kIgnoreDialTone = 1112,
    kAutomaticallyDial = 1113,
};

} // namespace corvane::aol_page
