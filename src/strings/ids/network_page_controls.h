// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::network_page {

// Controls of the network page (template 140).
enum Control : int {
    kShareSingleAddress = 1030,
    kShareRange = 1031,
    kDistributeAddresses = 1069,
    kBeginning = 1070,
    kEnding = 1071,
    kLeaseTime = 1072,
    kLeaseUnit = 1073,
    kPortMapping = 1074,
    kClientsLabel = 1121,
    kBeginningLabel = 1122,
    kEndingLabel = 1123,
    kLeaseTimeLabel = 1124,
    kExplanation = 1133,
};

} // namespace corvane::network_page
