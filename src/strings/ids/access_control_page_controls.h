// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::access_control_page {

// Controls of the Access Control page (template 141).
enum Control : int {
    kAddButton = 1017,
    kEditButton = 1018,
    kClientList = 1031,
    kRemoveButton = 1032,
    kImportButton = 1034,
    kExportButton = 1035,
    kRevertButton = 1036,
};

} // namespace corvane::access_control_page
