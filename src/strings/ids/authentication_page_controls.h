// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::authentication_page {

// Controls of the Authentication page (template 142): the RADIUS switch and the two servers.
enum Control : int {
    kUseRadiusCheck = 1006,
    kPrimaryPortEdit = 1007,
    kPrimarySecretEdit = 1008,
    kSecondaryPortEdit = 1009,
    kSecondarySecretEdit = 1010,
    kPrimaryAddress = 1023,
    kSecondaryAddress = 1024,
    kPrimaryGroup = 1125,
    kPrimaryAddressLabel = 1126,
    kPrimaryPortLabel = 1127,
    kPrimarySecretLabel = 1128,
    kSecondaryAddressLabel = 1129,
    kSecondaryPortLabel = 1130,
    kSecondarySecretLabel = 1131,
    kSecondaryGroup = 1132,
};

} // namespace corvane::authentication_page
