#include "config/property_catalogue.h"

namespace corvane {

namespace {

using K = PropertyKind;
using R = ConfigRecord;

constexpr PropertyDescriptor Text(const char (&tag)[5], std::string R::*field) {
    return {MakeTag(tag), K::Text, 0, field};
}
constexpr PropertyDescriptor Bytes(const char (&tag)[5], std::vector<std::uint8_t> R::*field) {
    return {MakeTag(tag), K::Bytes, 0, field};
}
constexpr PropertyDescriptor Int(const char (&tag)[5], std::uint8_t R::*field) {
    return {MakeTag(tag), K::Integer, 1, field};
}
constexpr PropertyDescriptor Int(const char (&tag)[5], std::uint16_t R::*field) {
    return {MakeTag(tag), K::Integer, 2, field};
}
constexpr PropertyDescriptor Int(const char (&tag)[5], std::uint32_t R::*field) {
    return {MakeTag(tag), K::Integer, 4, field};
}
constexpr PropertyDescriptor Table(const char (&tag)[5]) {
    return {MakeTag(tag), K::Table, 0, std::monostate{}};
}

constexpr ElementHeader Plain(const char (&tag)[5]) {
    return {MakeTag(tag), 0, 0};
}
constexpr ElementHeader Scrambled(const char (&tag)[5]) {
    return {MakeTag(tag), ELEMENT_SCRAMBLED, 0};
}

} // namespace

const std::array<PropertyDescriptor, kPropertyCount + 1> PropertyCatalogue = {{
    Text("syNm", &R::syNm), Text("syPW", &R::syPW),  Text("syPR", &R::syPR),
    Text("syCt", &R::syCt), Text("syLo", &R::syLo),  Text("syDs", &R::syDs),
    Text("syVs", &R::syVs), Text("raNm", &R::raNm),  Int("raCl", &R::raCl),
    Int("raWM", &R::raWM),  Bytes("raWE", &R::raWE), Int("raRo", &R::raRo),
    Int("raCh", &R::raCh),  Int("raDe", &R::raDe),   Int("raMu", &R::raMu),
    Int("raLC", &R::raLC),  Int("raDS", &R::raDS),   Int("raNA", &R::raNA),
    Int("raWB", &R::raWB),  Int("waCV", &R::waCV),   Int("waIn", &R::waIn),
    Int("waD1", &R::waD1),  Int("waD2", &R::waD2),   Int("waD3", &R::waD3),
    Int("waIP", &R::waIP),  Int("waSM", &R::waSM),   Int("waRA", &R::waRA),
    Text("waDC", &R::waDC), Int("waDS", &R::waDS),   Text("waDN", &R::waDN),
    Text("moPN", &R::moPN), Text("moAP", &R::moAP),  Int("moPD", &R::moPD),
    Text("moUN", &R::moUN), Text("moPW", &R::moPW),  Int("moID", &R::moID),
    Int("moCC", &R::moCC),  Int("moCI", &R::moCI),   Int("moDT", &R::moDT),
    Int("moAD", &R::moAD),  Int("moMP", &R::moMP),   Int("moMF", &R::moMF),
    Text("peSN", &R::peSN), Text("peUN", &R::peUN),  Text("pePW", &R::pePW),
    Int("peSC", &R::peSC),  Int("peAC", &R::peAC),   Int("peID", &R::peID),
    Int("dhBg", &R::dhBg),  Int("dhEn", &R::dhEn),   Int("dhLe", &R::dhLe),
    Table("pmTa"),          Int("acEn", &R::acEn),   Table("acTa"),
    Int("raFl", &R::raFl),  Int("raI1", &R::raI1),   Int("raAu", &R::raAu),
    Text("raSe", &R::raSe), Int("raF2", &R::raF2),   Int("raI2", &R::raI2),
    Int("raU2", &R::raU2),  Text("raS2", &R::raS2),  {0, PropertyKind{0}, 0, std::monostate{}},
}};

const std::array<ElementHeader, kTransferCount> TransferList = {{
    Scrambled("syNm"), Scrambled("syPW"), Scrambled("syPR"), Scrambled("syCt"), Scrambled("syLo"),
    Scrambled("raNm"), Plain("raCl"),     Plain("raWM"),     Scrambled("raWE"), Plain("raRo"),
    Plain("raCh"),     Plain("raDe"),     Plain("raMu"),     Plain("raLC"),     Scrambled("raDS"),
    Plain("raNA"),     Plain("raWB"),     Plain("waCV"),     Plain("waIn"),     Scrambled("waD1"),
    Scrambled("waD2"), Scrambled("waD3"), Scrambled("waIP"), Scrambled("waSM"), Scrambled("waRA"),
    Scrambled("waDC"), Scrambled("waDS"), Scrambled("waDN"), Scrambled("moPN"), Scrambled("moAP"),
    Plain("moPD"),     Scrambled("moUN"), Scrambled("moPW"), Plain("moID"),     Plain("moCC"),
    Plain("moCI"),     Plain("moDT"),     Plain("moAD"),     Plain("moMP"),     Plain("moMF"),
    Scrambled("peSN"), Scrambled("peUN"), Scrambled("pePW"), Plain("peSC"),     Plain("peAC"),
    Plain("peID"),     Scrambled("dhBg"), Scrambled("dhEn"), Scrambled("dhLe"), Scrambled("pmTa"),
    Scrambled("acTa"), Plain("acEn"),     Plain("raFl"),     Scrambled("raI1"), Scrambled("raAu"),
    Scrambled("raSe"), Plain("raF2"),     Scrambled("raI2"), Scrambled("raU2"), Scrambled("raS2"),
}};

int FindProperty(PropertyTag tag, const PropertyDescriptor*& row) {
    for (const PropertyDescriptor& candidate : PropertyCatalogue) {
        if (candidate.tag == 0)
            break;
        if (candidate.tag == tag) {
            row = &candidate;
            return 0;
        }
    }
    return kUnknownProperty;
}

} // namespace corvane
