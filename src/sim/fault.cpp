// SPDX-License-Identifier: Apache-2.0
#include "sim/fault.h"

#include <array>
#include <charconv>
#include <utility>

namespace corvane::sim {

namespace {
constexpr std::array<std::pair<std::string_view, Fault>, 8> kFaultNames{{
    {"bad-reply-checksum", Fault::BadReplyChecksum},
    {"close-mid-stream", Fault::CloseMidStream},
    {"stall", Fault::Stall},
    {"lying-status-length", Fault::LyingStatusLength},
    {"giant-length", Fault::GiantLength},
    {"drop-discovery", Fault::DropDiscovery},
    {"stay-down", Fault::StayDown},
    {"forget-writes", Fault::ForgetWrites},
}};
} // namespace

std::optional<Fault> ParseFaultName(std::string_view name) {
    for (const auto& [text, fault] : kFaultNames) {
        if (text == name) {
            return fault;
        }
    }
    return std::nullopt;
}

std::optional<FaultRule> ParseFaultRule(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view which = text.substr(0, colon);
    FaultRule rule;
    if (which != "all") {
        const auto [end, error] = std::from_chars(which.data(), which.data() + which.size(), rule.station);
        if (error != std::errc{} || end != which.data() + which.size() || rule.station == 0) {
            return std::nullopt;
        }
    }
    const auto fault = ParseFaultName(text.substr(colon + 1));
    if (!fault) {
        return std::nullopt;
    }
    rule.fault = *fault;
    return rule;
}

} // namespace corvane::sim
