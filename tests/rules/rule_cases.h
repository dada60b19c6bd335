// SPDX-License-Identifier: Apache-2.0
#pragma once

// One table of records that break a rule of the device, each with the message and the property the rule
// reports. The rules' own test checks every case against CheckConfiguration; the configuration window's test
// meets every case through the real controls and expects the same message.

#include "config/config_record.h"
#include "config/property_tag.h"
#include "config/table_editing.h"
#include "strings/ids/string_ids.h"

#include <array>

namespace corvane::testing {

// Where the desktop utility meets the rule.
enum class PageRoute {
    Update,          // the record, loaded into the configuration window, is refused by Update
    ChannelList,     // the channel list never offers the channel
    MulticastList,   // choosing the multicast rate at the record's density is refused
    NetworkPassword, // Change Network Password refuses a password that gives a key of another size
    PortMapEntry,    // Edit Port Mapping refuses the last mapping, its zero fields left blank
    PortMapAdd,      // adding the last mapping to the others is refused
    AddClient,       // Add Client refuses, or its description edit cannot hold, the last client
};

struct RuleCase {
    const char* name;
    void (*edit)(ConfigRecord& record);
    StringId message;
    PropertyTag property;
    PageRoute route;
};

inline constexpr std::uint32_t kPrivateHost = 0x0A000105; // 10.0.1.5

inline void UsePppoe(ConfigRecord& record) {
    record.waIn = 16;
    record.waCV = 0x900;
    record.peUN = "user";
    record.pePW = "secret";
}

inline void UseModem(ConfigRecord& record, bool aol) {
    record.waIn = 4;
    record.waCV = 0x900;
    record.moMF = aol ? 1 : 0;
    record.moPN = "5551234";
    record.moUN = "user";
    record.moPW = "secret";
}

inline AclEntry Client(const char* description) {
    return MakeAclEntry({0x02, 0, 0, 0, 0, 0x01}, description);
}

// Every case starts from a record that keeps every rule (the default record does).
inline const std::array kRuleCases = {
    RuleCase{"network name with a backslash", [](ConfigRecord& r) { r.raNm = "Home\\Net"; },
             kStrIllegalNetworkName, MakeTag("raNm"), PageRoute::Update},
    RuleCase{"network name with an underscore", [](ConfigRecord& r) { r.raNm = "home_net"; },
             kStrIllegalNetworkName, MakeTag("raNm"), PageRoute::Update},
    RuleCase{"network name with a byte above 127", [](ConfigRecord& r) { r.raNm = "Caf\xE9"; },
             kStrIllegalNetworkName, MakeTag("raNm"), PageRoute::Update},
    RuleCase{"channel 99", [](ConfigRecord& r) { r.raCh = 99; }, kStrChannelNotAllowed, MakeTag("raCh"),
             PageRoute::ChannelList},
    RuleCase{"channel 1 with only channels 10 to 13 legal",
             [](ConfigRecord& r) {
                 r.raLC = 0x1E00;
                 r.raCh = 1;
             },
             kStrChannelNotAllowed, MakeTag("raCh"), PageRoute::ChannelList},
    RuleCase{"channel 0", [](ConfigRecord& r) { r.raCh = 0; }, kStrChannelNotAllowed, MakeTag("raCh"),
             PageRoute::ChannelList},
    RuleCase{"multicast 5.5 at low density",
             [](ConfigRecord& r) {
                 r.raDe = 1;
                 r.raMu = 0x55;
             },
             kStrMulticastNeedsDensity, MakeTag("raMu"), PageRoute::MulticastList},
    RuleCase{"multicast 11 at medium density",
             [](ConfigRecord& r) {
                 r.raDe = 2;
                 r.raMu = 0x11;
             },
             kStrMulticastNeedsDensity, MakeTag("raMu"), PageRoute::MulticastList},
    RuleCase{"40-bit encryption with a 7-byte key",
             [](ConfigRecord& r) {
                 r.raWM = kWep40;
                 r.raWE.assign(7, 0x41);
             },
             kStrInvalidNetworkPassword, MakeTag("raWE"), PageRoute::NetworkPassword},
    RuleCase{"128-bit encryption with a 5-byte key",
             [](ConfigRecord& r) {
                 r.raWM = kWep128;
                 r.raWE.assign(5, 0x41);
             },
             kStrInvalidNetworkPassword, MakeTag("raWE"), PageRoute::NetworkPassword},
    RuleCase{"40-bit encryption without a key", [](ConfigRecord& r) { r.raWM = kWep40; },
             kStrInvalidNetworkPassword, MakeTag("raWE"), PageRoute::NetworkPassword},
    RuleCase{"encryption mode 3",
             [](ConfigRecord& r) {
                 r.raWM = 3;
                 r.raWE.assign(13, 0x41);
             },
             kStrInvalidNetworkPassword, MakeTag("raWM"), PageRoute::NetworkPassword},
    RuleCase{"PPPoE without a user name",
             [](ConfigRecord& r) {
                 UsePppoe(r);
                 r.peUN.clear();
             },
             kStrUserInformationMissing, MakeTag("peUN"), PageRoute::Update},
    RuleCase{"PPPoE without a password",
             [](ConfigRecord& r) {
                 UsePppoe(r);
                 r.pePW.clear();
             },
             kStrUserInformationMissing, MakeTag("pePW"), PageRoute::Update},
    RuleCase{"modem without a main number",
             [](ConfigRecord& r) {
                 UseModem(r, false);
                 r.moPN.clear();
             },
             kStrUserInformationMissing, MakeTag("moPN"), PageRoute::Update},
    RuleCase{"modem without a user name",
             [](ConfigRecord& r) {
                 UseModem(r, false);
                 r.moUN.clear();
             },
             kStrUserInformationMissing, MakeTag("moUN"), PageRoute::Update},
    RuleCase{"V.34 modem without a password",
             [](ConfigRecord& r) {
                 UseModem(r, false);
                 r.moMP = 2;
                 r.moPW.clear();
             },
             kStrUserInformationMissing, MakeTag("moPW"), PageRoute::Update},
    RuleCase{"AOL without a main number",
             [](ConfigRecord& r) {
                 UseModem(r, true);
                 r.moPN.clear();
             },
             kStrUserInformationMissing, MakeTag("moPN"), PageRoute::Update},
    RuleCase{"lease of 9 minutes", [](ConfigRecord& r) { r.dhLe = 540; }, kStrLeaseTooShort, MakeTag("dhLe"),
             PageRoute::Update},
    RuleCase{"lease of 0 seconds", [](ConfigRecord& r) { r.dhLe = 0; }, kStrLeaseTooShort, MakeTag("dhLe"),
             PageRoute::Update},
    RuleCase{"port mapping without a private address",
             [](ConfigRecord& r) {
                 r.pmTa = {{0, 80, 8080}};
             },
             kStrFieldsBlank, MakeTag("pmTa"), PageRoute::PortMapEntry},
    RuleCase{"port mapping without a public port",
             [](ConfigRecord& r) {
                 r.pmTa = {{kPrivateHost, 80, 0}};
             },
             kStrFieldsBlank, MakeTag("pmTa"), PageRoute::PortMapEntry},
    RuleCase{"port mapping without a private port",
             [](ConfigRecord& r) {
                 r.pmTa = {{kPrivateHost, 0, 8080}};
             },
             kStrFieldsBlank, MakeTag("pmTa"), PageRoute::PortMapEntry},
    RuleCase{"the same port mapping twice",
             [](ConfigRecord& r) {
                 r.pmTa = {{kPrivateHost, 80, 8080}, {kPrivateHost, 22, 22}, {kPrivateHost, 80, 8080}};
             },
             kStrDuplicatePortMapping, MakeTag("pmTa"), PageRoute::PortMapAdd},
    RuleCase{"client description with a line feed", [](ConfigRecord& r) { r.acTa = {Client("Lap\ntop")}; },
             kStrDescriptionLineBreak, MakeTag("acTa"), PageRoute::AddClient},
    RuleCase{"client description with a carriage return",
             [](ConfigRecord& r) { r.acTa = {Client("Office\r")}; }, kStrDescriptionLineBreak,
             MakeTag("acTa"), PageRoute::AddClient},
    RuleCase{"client description of 34 characters",
             [](ConfigRecord& r) {
                 AclEntry entry = Client("");
                 entry.description.fill('x');
                 r.acTa = {entry};
             },
             kStrDescriptionTooLong, MakeTag("acTa"), PageRoute::AddClient},
    RuleCase{"modem without distributing addresses",
             [](ConfigRecord& r) {
                 UseModem(r, false);
                 r.raDS = 0;
             },
             kStrPppNeedsDhcp, MakeTag("raDS"), PageRoute::Update},
    RuleCase{"PPPoE sharing a range of addresses",
             [](ConfigRecord& r) {
                 UsePppoe(r);
                 r.raNA = 0;
             },
             kStrDhcpRangeNeedsStaticEthernet, MakeTag("raNA"), PageRoute::Update},
    RuleCase{"AOL sharing a range of addresses",
             [](ConfigRecord& r) {
                 UseModem(r, true);
                 r.raNA = 0;
             },
             kStrDhcpRangeNeedsStaticEthernet, MakeTag("raNA"), PageRoute::Update},
};

// The record of a case: the default record with the case's edit.
inline ConfigRecord CaseRecord(const RuleCase& rule) {
    ConfigRecord record;
    rule.edit(record);
    return record;
}

} // namespace corvane::testing
