// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::internet_page {

// Controls of the Internet page (template 135).
enum Control : int {
    kConnectionType = 1012,       // "Connect using:"; its index is the connection sub-page's
    kConnectionSheetPlace = 1061, // where the nested sheet of connection sub-pages goes
};

} // namespace corvane::internet_page
