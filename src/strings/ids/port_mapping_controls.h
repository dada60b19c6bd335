// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::port_mapping {

// Controls of the Port Mapping dialog (template 145).
enum Control : int {
    kDone = 1,
    kRemove = 1041,
    kAdd = 1050,
    kEdit = 1051,
    kList = 1053,
};

} // namespace corvane::port_mapping
