// SPDX-License-Identifier: Apache-2.0
#include "config/property_catalogue.h"

namespace corvane {

namespace {

using K = PropertyKind;
using R = ConfigRecord;

// How a property travels: its place in the transfer list and whether it is scrambled.
struct Transfer {
    int order;
    bool scrambled;
};
constexpr Transfer Plain(int order) {
    return {order, false};
}
constexpr Transfer Scrambled(int order) {
    return {order, true};
}
constexpr Transfer kReceivedOnly{kNotTransferred, false};

constexpr PropertyDescriptor Row(const char (&tag)[5], K kind, std::uint32_t width, PropertyField field,
                                 Transfer transfer, const char* label, bool secret = false,
                                 bool address = false) {
    return {MakeTag(tag), kind, width, field, transfer.order, transfer.scrambled, label, secret, address};
}
constexpr PropertyDescriptor Text(const char (&tag)[5], std::string R::*field, Transfer transfer,
                                  const char* label) {
    return Row(tag, K::Text, 0, field, transfer, label);
}
constexpr PropertyDescriptor SecretText(const char (&tag)[5], std::string R::*field, Transfer transfer,
                                        const char* label) {
    return Row(tag, K::Text, 0, field, transfer, label, true);
}
constexpr PropertyDescriptor SecretBytes(const char (&tag)[5], std::vector<std::uint8_t> R::*field,
                                         Transfer transfer, const char* label) {
    return Row(tag, K::Bytes, 0, field, transfer, label, true);
}
template <typename Integer>
constexpr PropertyDescriptor Int(const char (&tag)[5], Integer R::*field, Transfer transfer,
                                 const char* label) {
    return Row(tag, K::Integer, sizeof(Integer), field, transfer, label);
}
constexpr PropertyDescriptor Address(const char (&tag)[5], std::uint32_t R::*field, Transfer transfer,
                                     const char* label) {
    return Row(tag, K::Integer, 4, field, transfer, label, false, true);
}
constexpr PropertyDescriptor Table(const char (&tag)[5], Transfer transfer, const char* label) {
    return Row(tag, K::Table, 0, std::monostate{}, transfer, label);
}

constexpr std::array<PropertyDescriptor, kPropertyCount + 1> kCatalogue = {{
    Text("syNm", &R::syNm, Scrambled(0), "Base station name"),
    SecretText("syPW", &R::syPW, Scrambled(1), "Base station password"),
    Text("syPR", &R::syPR, Scrambled(2), "Carried value syPR"),
    Text("syCt", &R::syCt, Scrambled(3), "Contact"),
    Text("syLo", &R::syLo, Scrambled(4), "Location"),
    Text("syDs", &R::syDs, kReceivedOnly, "Description"),
    Text("syVs", &R::syVs, kReceivedOnly, "Carried value syVs"),
    Text("raNm", &R::raNm, Scrambled(5), "Wireless network name"),
    Int("raCl", &R::raCl, Plain(6), "Closed network (1 = on)"),
    Int("raWM", &R::raWM, Plain(7), "Encryption mode (0 off, 1 40-bit, 2 128-bit)"),
    SecretBytes("raWE", &R::raWE, Scrambled(8), "Encryption key"),
    Int("raRo", &R::raRo, Plain(9), "Interference robustness (1 = on)"),
    Int("raCh", &R::raCh, Plain(10), "Radio channel"),
    Int("raDe", &R::raDe, Plain(11), "Station density (1 low, 2 medium, 3 high)"),
    Int("raMu", &R::raMu, Plain(12), "Multicast rate code"),
    Int("raLC", &R::raLC, Plain(13), "Allowed channels (bit n = channel n+1)"),
    Int("raDS", &R::raDS, Scrambled(14), "Distribute IP addresses (1 = on)"),
    Int("raNA", &R::raNA, Plain(15), "Share one address using DHCP and NAT (1) or a range (0)"),
    Int("raWB", &R::raWB, Plain(16), "Bridge mode"),
    Int("waCV", &R::waCV, Plain(17), "WAN configuration (0x400 manual, 0x300 DHCP, 0x900 PPP)"),
    Int("waIn", &R::waIn, Plain(18), "WAN interface (16 Ethernet, 4 modem)"),
    Address("waD1", &R::waD1, Scrambled(19), "First DNS server"),
    Address("waD2", &R::waD2, Scrambled(20), "Second DNS server"),
    Address("waD3", &R::waD3, Scrambled(21), "Third DNS server"),
    Address("waIP", &R::waIP, Scrambled(22), "WAN IP address"),
    Address("waSM", &R::waSM, Scrambled(23), "WAN subnet mask"),
    Address("waRA", &R::waRA, Scrambled(24), "WAN router address"),
    Text("waDC", &R::waDC, Scrambled(25), "DHCP client ID"),
    Int("waDS", &R::waDS, Scrambled(26), "Carried value waDS"),
    Text("waDN", &R::waDN, Scrambled(27), "Domain name"),
    Text("moPN", &R::moPN, Scrambled(28), "Modem phone number"),
    Text("moAP", &R::moAP, Scrambled(29), "Modem alternate phone number"),
    Int("moPD", &R::moPD, Plain(30), "Pulse dialing (1 = on)"),
    Text("moUN", &R::moUN, Scrambled(31), "Modem user name"),
    SecretText("moPW", &R::moPW, Scrambled(32), "Modem password"),
    Int("moID", &R::moID, Plain(33), "Modem disconnect-if-idle seconds (0 never)"),
    Int("moCC", &R::moCC, Plain(34), "Carried value moCC"),
    Int("moCI", &R::moCI, Plain(35), "Modem country index"),
    Int("moDT", &R::moDT, Plain(36), "Ignore dial tone (1 = on)"),
    Int("moAD", &R::moAD, Plain(37), "Dial automatically (1 = on)"),
    Int("moMP", &R::moMP, Plain(38), "Modem protocol (1 V.90, else V.34)"),
    Int("moMF", &R::moMF, Plain(39), "Modem flags (bit 0 = AOL)"),
    Text("peSN", &R::peSN, Scrambled(40), "PPPoE service name"),
    Text("peUN", &R::peUN, Scrambled(41), "PPPoE user name"),
    SecretText("pePW", &R::pePW, Scrambled(42), "PPPoE password"),
    Int("peSC", &R::peSC, Plain(43), "PPPoE always stay connected (1 = on)"),
    Int("peAC", &R::peAC, Plain(44), "PPPoE connect automatically (1 = on)"),
    Int("peID", &R::peID, Plain(45), "PPPoE disconnect-if-idle seconds (0 never)"),
    Address("dhBg", &R::dhBg, Scrambled(46), "DHCP range beginning"),
    Address("dhEn", &R::dhEn, Scrambled(47), "DHCP range ending"),
    Int("dhLe", &R::dhLe, Scrambled(48), "DHCP lease time in seconds"),
    Table("pmTa", Scrambled(49), "Port mappings"),
    Int("acEn", &R::acEn, Plain(51), "Access control on (1 = on)"),
    Table("acTa", Scrambled(50), "Access control list"),
    Int("raFl", &R::raFl, Plain(52), "Primary RADIUS server flags (bit 0 = used)"),
    Address("raI1", &R::raI1, Scrambled(53), "Primary RADIUS server address"),
    Int("raAu", &R::raAu, Scrambled(54), "Primary RADIUS server port"),
    SecretText("raSe", &R::raSe, Scrambled(55), "Primary RADIUS shared secret"),
    Int("raF2", &R::raF2, Plain(56), "Secondary RADIUS server flags (bit 0 = used)"),
    Address("raI2", &R::raI2, Scrambled(57), "Secondary RADIUS server address"),
    Int("raU2", &R::raU2, Scrambled(58), "Secondary RADIUS server port"),
    SecretText("raS2", &R::raS2, Scrambled(59), "Secondary RADIUS shared secret"),

    {0, PropertyKind{0}, 0, std::monostate{}, kNotTransferred, false, "", false, false},
}};

constexpr std::array<ElementHeader, kTransferCount> MakeTransferList() {
    std::array<ElementHeader, kTransferCount> list{};
    for (const PropertyDescriptor& row : kCatalogue) {
        if (row.tag != 0 && row.transferOrder != kNotTransferred) {
            list.at(std::size_t(row.transferOrder)) = {row.tag, row.scrambled ? ELEMENT_SCRAMBLED : 0, 0};
        }
    }
    return list;
}

// Every place of the transfer list taken exactly once.
constexpr bool TransferOrderIsComplete() {
    std::array<int, kTransferCount> uses{};
    for (const PropertyDescriptor& row : kCatalogue) {
        if (row.tag != 0 && row.transferOrder != kNotTransferred) {
            if (row.transferOrder < 0 || std::size_t(row.transferOrder) >= kTransferCount) {
                return false;
            }
            ++uses[std::size_t(row.transferOrder)];
        }
    }
    for (const int count : uses) {
        if (count != 1) {
            return false;
        }
    }
    return true;
}
static_assert(TransferOrderIsComplete());

} // namespace

constinit const std::array<PropertyDescriptor, kPropertyCount + 1> PropertyCatalogue = kCatalogue;
constinit const std::array<ElementHeader, kTransferCount> TransferList = MakeTransferList();

int FindProperty(PropertyTag tag, const PropertyDescriptor*& row) {
    for (const PropertyDescriptor& candidate : PropertyCatalogue) {
        if (candidate.tag == 0) {
            break;
        }
        if (candidate.tag == tag) {
            row = &candidate;
            return 0;
        }
    }
    return kUnknownProperty;
}

} // namespace corvane
