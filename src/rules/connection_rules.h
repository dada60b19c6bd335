// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "rules/rule_break.h"

#include <string_view>

namespace corvane {

class ConfigRecord;

// The Internet connection's rules: the user information each kind of connection needs, and how the network
// page must serve a PPP connection.

enum class ConnectionKind { Ethernet, Modem, Pppoe, Aol };

// The kind the Internet page shows a record as: the modem (AOL when bit 0 of moMF is set) when waIn says so,
// else PPPoE when waCV without its DHCP bit is the PPP bit alone, else Ethernet.
ConnectionKind ConnectionKindOf(const ConfigRecord& record);

// Each empty field a connection needs, in the order its page checks them (message 163): PPPoE's user name
// (peUN) and password (pePW); the modem's main number (moPN), user name (moUN) and password (moPW); AOL's
// main number (moPN). Ethernet needs none.
RuleBreaks CheckPppoeUser(std::string_view userName, std::string_view password);
RuleBreaks CheckModemUser(std::string_view mainNumber, std::string_view userName, std::string_view password);
RuleBreaks CheckAolUser(std::string_view mainNumber);
// The same for the record's connection kind.
RuleBreaks CheckConnectionUser(const ConfigRecord& record);

// A PPP connection (the modem or AOL, or the Ethernet port with the PPP bit: IsPppConnection) needs the base
// station to distribute addresses (raDS, message 164) and to share one address by DHCP and NAT (raNA, message
// 165).
RuleBreaks CheckPppSharing(const ConfigRecord& record);

} // namespace corvane
