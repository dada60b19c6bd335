// SPDX-License-Identifier: Apache-2.0
#include "rules/connection_rules.h"

#include "config/config_record.h"
#include "config/property_tag.h"
#include "config/wan_connection.h"

#include <initializer_list>
#include <utility>

namespace corvane {
namespace {

using RequiredField = std::pair<std::string_view, PropertyTag>;

RuleBreaks MissingFields(std::initializer_list<RequiredField> fields) {
    RuleBreaks breaks;
    for (const auto& [text, property] : fields) {
        if (text.empty()) {
            breaks.push_back({kStrUserInformationMissing, property});
        }
    }
    return breaks;
}

} // namespace

ConnectionKind ConnectionKindOf(const ConfigRecord& record) {
    if (record.waIn == kWanModem) {
        return (record.moMF & kModemAolFlag) != 0 ? ConnectionKind::Aol : ConnectionKind::Modem;
    }
    return (record.waCV & ~kWanDhcpBit) == kWanPppBit ? ConnectionKind::Pppoe : ConnectionKind::Ethernet;
}

RuleBreaks CheckPppoeUser(std::string_view userName, std::string_view password) {
    return MissingFields({{userName, MakeTag("peUN")}, {password, MakeTag("pePW")}});
}

RuleBreaks CheckModemUser(std::string_view mainNumber, std::string_view userName, std::string_view password) {
    return MissingFields(
        {{mainNumber, MakeTag("moPN")}, {userName, MakeTag("moUN")}, {password, MakeTag("moPW")}});
}

RuleBreaks CheckAolUser(std::string_view mainNumber) {
    return MissingFields({{mainNumber, MakeTag("moPN")}});
}

RuleBreaks CheckConnectionUser(const ConfigRecord& record) {
    switch (ConnectionKindOf(record)) {
    case ConnectionKind::Pppoe:
        return CheckPppoeUser(record.peUN, record.pePW);
    case ConnectionKind::Modem:
        return CheckModemUser(record.moPN, record.moUN, record.moPW);
    case ConnectionKind::Aol:
        return CheckAolUser(record.moPN);
    case ConnectionKind::Ethernet:
        break;
    }
    return {};
}

RuleBreaks CheckPppSharing(const ConfigRecord& record) {
    RuleBreaks breaks;
    // By the PPP bit alone, as the window's own check reads the record, not by the page the record opens on.
    if (!IsPppConnection(record)) {
        return breaks;
    }
    if (record.raDS == 0) {
        breaks.push_back({kStrPppNeedsDhcp, MakeTag("raDS")});
    }
    if (record.raNA == 0) {
        breaks.push_back({kStrDhcpRangeNeedsStaticEthernet, MakeTag("raNA")});
    }
    return breaks;
}

} // namespace corvane
