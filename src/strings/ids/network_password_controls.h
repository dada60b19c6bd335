// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::network_password {

// Controls of the Change Network Password dialog (template 150).
enum Control : int {
    kChange = 1,
    kCancel = 2,
    kNewPassword = 1078,
    kConfirm = 1079,
    kKeySize = 1080,
};

} // namespace corvane::network_password
