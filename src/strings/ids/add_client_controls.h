// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::add_client {

// Controls of the Add Client dialog (template 152), used for adding and for editing a client.
enum Control : int {
    kOkButton = 1,
    kCancelButton = 2,
    kDescriptionEdit = 1135,
    kCorvaneIdEdit = 1136,
};

} // namespace corvane::add_client
