// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::port_map_entry {

// Controls of the Edit Port Mapping dialog (template 151).
enum Control : int {
    kOk = 1,
    kCancel = 2,
    kPrivateAddress = 1023,
    kPrivatePort = 1056,
    kPublicPort = 1134,
};

} // namespace corvane::port_map_entry
