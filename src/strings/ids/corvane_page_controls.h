// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::corvane_page {

// Controls of the wireless page (template 105).
enum Control : int {
    kChangeStationPassword = 1010,
    kNetworkName = 1011,
    kDensity = 1013,
    kInterferenceRobustness = 1015,
    kEncryption = 1016,
    kName = 1062,
    kContact = 1063,
    kLocation = 1064,
    kChannel = 1065,
    kMulticastRate = 1066,
    kClosedNetwork = 1067,
    kChangeNetworkPassword = 1068,
};

} // namespace corvane::corvane_page
