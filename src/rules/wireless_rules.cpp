// SPDX-License-Identifier: Apache-2.0
#include "rules/wireless_rules.h"

#include "config/config_record.h"
#include "config/network_password.h"
#include "config/property_tag.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr int kLowestChannelBit = 0;
constexpr int kHighestChannelBit = 14; // bit 15 offers nothing

// Density entries Low, Medium, High; multicast entries "1", "2", "5.5", "11".
constexpr int kMedium = 1;
constexpr int kHigh = 2;
constexpr int kRate2 = 1;
constexpr int kRate5_5 = 2;

bool IsNetworkNameCharacter(char c) {
    constexpr std::string_view kPunctuation = "\"'(),-./:=? ";
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           kPunctuation.find(c) != std::string_view::npos;
}

// The density list's entry of a raDe value: 1 Low, 2 Medium, 3 High; 0 is no entry.
int DensityIndex(std::uint32_t density) {
    return static_cast<int>(std::min<std::uint32_t>(density, 0xFFFF)) - 1;
}

} // namespace

bool NetworkNameAllowed(std::string_view name) {
    return std::ranges::all_of(name, IsNetworkNameCharacter);
}

std::vector<std::uint32_t> LegalChannels(std::uint16_t mask) {
    std::vector<std::uint32_t> channels;
    for (int bit = kLowestChannelBit; bit <= kHighestChannelBit; ++bit) {
        if ((mask & (1u << bit)) != 0) {
            channels.push_back(static_cast<std::uint32_t>(bit + 1));
        }
    }
    return channels;
}

int MulticastIndex(std::uint32_t code) {
    const auto* found = std::ranges::find(kMulticastCodes, code);
    return found == kMulticastCodes.end() ? kRate2 : static_cast<int>(found - kMulticastCodes.begin());
}

bool MulticastRateAllowed(int densityIndex, int multicastIndex) {
    return !((multicastIndex > kRate2 && densityIndex < kMedium) ||
             (multicastIndex > kRate5_5 && densityIndex < kHigh));
}

bool WepKeyFits(std::uint32_t mode, std::size_t keySize) {
    switch (mode) {
    case kWepOff:
        return true;
    case kWep40:
        return keySize == kWep40KeySize;
    case kWep128:
        return keySize == kWep128KeySize;
    default:
        return false;
    }
}

RuleBreaks CheckWireless(const ConfigRecord& record) {
    RuleBreaks breaks;
    if (!NetworkNameAllowed(record.raNm)) {
        breaks.push_back({kStrIllegalNetworkName, MakeTag("raNm")});
    }
    const std::vector<std::uint32_t> channels = LegalChannels(record.raLC);
    if (std::ranges::find(channels, record.raCh) == channels.end()) {
        breaks.push_back({kStrChannelNotAllowed, MakeTag("raCh")});
    }
    if (!MulticastRateAllowed(DensityIndex(record.raDe), MulticastIndex(record.raMu))) {
        breaks.push_back({kStrMulticastNeedsDensity, MakeTag("raMu")});
    }
    if (!WepKeyFits(record.raWM, record.raWE.size())) {
        const bool knownMode = record.raWM == kWep40 || record.raWM == kWep128;
        breaks.push_back({kStrInvalidNetworkPassword, MakeTag(knownMode ? "raWE" : "raWM")});
    }
    return breaks;
}

} // namespace corvane
