// SPDX-License-Identifier: Apache-2.0
#include "properties/property_presentation.h"

#include "config/byte_order.h"
#include "config/hex_text.h"
#include "config/network_password.h"
#include "config/property_catalogue.h"
#include "config/property_codec.h"
#include "config/table_editing.h"
#include "files/station_text.h"
#include "properties/terminal_text.h"
#include "protocol/dotted_quad.h"
#include "protocol/host_resolution.h"

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <cmath>
#include <vector>

namespace corvane {

namespace {

using P = Presentation;

std::vector<std::uint8_t> ValueBytes(const ConfigRecord& record, PropertyTag tag) {
    std::vector<std::uint8_t> bytes;
    GetProperty(record, tag, bytes);
    return bytes;
}

std::uint32_t NumberValue(const ConfigRecord& record, PropertyTag tag) {
    std::uint32_t value = 0;
    for (std::uint8_t byte : ValueBytes(record, tag)) {
        value = (value << 8) | byte;
    }
    return value;
}

QString QuotedText(const std::string& bytes) {
    return QLatin1Char('"') +
           TerminalText(FromStationText(bytes)).replace(QLatin1Char('"'), QStringLiteral("\\\"")) +
           QLatin1Char('"');
}

QString KeyHex(const ConfigRecord& record) {
    const std::vector<std::uint8_t> key = GetWepKey(record);
    std::string text(key.size() * 2, '\0');
    HexEncode(key, text);
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QString Address(std::uint32_t address) {
    return QString::fromStdString(FormatDottedQuad(address));
}

bool ParseAddress(const QJsonValue& value, std::uint32_t& address) {
    std::uint16_t port = 0;
    const QByteArray text = value.toString().toUtf8();
    return value.isString() &&
           ParseWholeDottedQuad({text.constData(), std::size_t(text.size())}, false, address, port);
}

bool ParseUnsigned(const QJsonValue& value, double limit, std::uint32_t& out) {
    if (!value.isDouble()) {
        return false;
    }
    const double number = value.toDouble();
    if (number < 0 || number > limit || std::floor(number) != number) {
        return false;
    }
    out = std::uint32_t(number);
    return true;
}

// All 34 description bytes but the zeros that pad them, so that bytes after a zero byte survive an export.
std::string_view StoredDescription(const AclEntry& entry) {
    const std::string_view bytes(entry.description.data(), entry.description.size());
    return bytes.substr(0, bytes.find_last_not_of('\0') + 1);
}

QString AclText(const AclEntry& entry) {
    const std::string_view description = AclDescription(entry);
    return QString::fromStdString(FormatMacAddress(entry.corvaneId)) + QLatin1Char(' ') +
           QuotedText(std::string(description));
}

QString TextDisplay(const ConfigRecord& record, const PropertyView& view) {
    const std::vector<std::uint8_t> bytes = ValueBytes(record, view.tag);
    return QuotedText(std::string(bytes.begin(), bytes.end()));
}

QJsonValue TextToJson(const ConfigRecord& record, const PropertyView& view) {
    const std::vector<std::uint8_t> bytes = ValueBytes(record, view.tag);
    return FromStationText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

bool TextFromJson(ConfigRecord& record, const PropertyView& view, const QJsonValue& value, QString& error) {
    std::string bytes;
    QString refused;
    if (!value.isString()) {
        error = QStringLiteral("expected a string");
        return false;
    }
    if (!ToStationText(value.toString(), bytes, &refused)) {
        error = QStringLiteral("\"%1\" cannot be used: station text holds only Windows-1252 characters")
                    .arg(refused);
        return false;
    }
    // A station reads text up to its first NUL: what followed would be lost.
    if (bytes.find('\0') != std::string::npos) {
        error = QStringLiteral("text cannot hold NUL");
        return false;
    }
    return SetProperty(record, view.tag, std::uint32_t(bytes.size()),
                       reinterpret_cast<const std::uint8_t*>(bytes.data())) == 0;
}

QString NumberDisplay(const ConfigRecord& record, const PropertyView& view) {
    return QString::number(NumberValue(record, view.tag));
}

QJsonValue NumberToJson(const ConfigRecord& record, const PropertyView& view) {
    return double(NumberValue(record, view.tag));
}

// A number or an address into the bytes of its property, as wide as the catalogue has it.
bool StoreNumber(ConfigRecord& record, const PropertyDescriptor& row, std::uint32_t number) {
    std::uint8_t bytes[4];
    StoreBigEndian32(bytes, number);
    return SetProperty(record, row.tag, row.width, bytes + 4 - row.width) == 0;
}

const PropertyDescriptor& DescriptorOf(const PropertyView& view) {
    const PropertyDescriptor* row = nullptr;
    FindProperty(view.tag, row);
    return *row;
}

bool NumberFromJson(ConfigRecord& record, const PropertyView& view, const QJsonValue& value, QString& error) {
    const PropertyDescriptor& row = DescriptorOf(view);
    const double limit = std::ldexp(1.0, int(row.width) * 8) - 1;
    std::uint32_t number = 0;
    if (!ParseUnsigned(value, limit, number)) {
        error = QStringLiteral("expected a whole number from 0 to %1").arg(limit, 0, 'f', 0);
        return false;
    }
    return StoreNumber(record, row, number);
}

QString AddressDisplay(const ConfigRecord& record, const PropertyView& view) {
    return Address(NumberValue(record, view.tag));
}

QJsonValue AddressToJson(const ConfigRecord& record, const PropertyView& view) {
    return AddressDisplay(record, view);
}

bool AddressFromJson(ConfigRecord& record, const PropertyView& view, const QJsonValue& value,
                     QString& error) {
    std::uint32_t address = 0;
    if (!ParseAddress(value, address)) {
        error = QStringLiteral("expected an address like \"10.0.1.1\"");
        return false;
    }
    return StoreNumber(record, DescriptorOf(view), address);
}

QString KeyDisplay(const ConfigRecord& record, const PropertyView&) {
    return record.raWE.empty() ? QStringLiteral("(none)") : KeyHex(record);
}

QJsonValue KeyToJson(const ConfigRecord& record, const PropertyView&) {
    return KeyHex(record);
}

bool KeyFromJson(ConfigRecord& record, const PropertyView&, const QJsonValue& value, QString& error) {
    const std::string text = value.toString().toStdString();
    // Any length a station may hold: the 5 and 13-byte rules are for editing.
    std::vector<std::uint8_t> key(text.size() / 2);
    if (!value.isString() || !HexDecode(text, key)) {
        error = QStringLiteral("expected an even number of hexadecimal digits");
        return false;
    }
    SetWepKey(record, key);
    return true;
}

QString EntryCount(std::size_t count) {
    return count == 1 ? QStringLiteral("1 entry") : QStringLiteral("%1 entries").arg(count);
}

QString PortMappingsDisplay(const ConfigRecord& record, const PropertyView&) {
    QString text = EntryCount(record.pmTa.size());
    for (const PortMapEntry& entry : record.pmTa) {
        text += QStringLiteral("\n    public port %1 -> %2 port %3")
                    .arg(entry.publicPort)
                    .arg(Address(entry.privateAddress))
                    .arg(entry.privatePort);
    }
    return text;
}

QJsonValue PortMappingsToJson(const ConfigRecord& record, const PropertyView&) {
    QJsonArray entries;
    for (const PortMapEntry& entry : record.pmTa) {
        entries.append(QJsonObject{{QStringLiteral("privateAddress"), Address(entry.privateAddress)},
                                   {QStringLiteral("privatePort"), entry.privatePort},
                                   {QStringLiteral("publicPort"), entry.publicPort}});
    }
    return entries;
}

bool PortMappingsFromJson(ConfigRecord& record, const PropertyView&, const QJsonValue& value,
                          QString& error) {
    std::vector<PortMapEntry> table;
    for (const QJsonValue& item : value.toArray()) {
        const QJsonObject entry = item.toObject();
        PortMapEntry mapping;
        std::uint32_t privatePort = 0, publicPort = 0;
        if (!item.isObject() || entry.size() != 3 ||
            !ParseAddress(entry.value(QStringLiteral("privateAddress")), mapping.privateAddress) ||
            !ParseUnsigned(entry.value(QStringLiteral("privatePort")), 65535, privatePort) ||
            !ParseUnsigned(entry.value(QStringLiteral("publicPort")), 65535, publicPort)) {
            error = QStringLiteral("expected objects with privateAddress, privatePort and publicPort");
            return false;
        }
        mapping.privatePort = std::uint16_t(privatePort);
        mapping.publicPort = std::uint16_t(publicPort);
        table.push_back(mapping); // as it is, duplicates too: the adding rules are for editing
    }
    if (!value.isArray()) {
        error = QStringLiteral("expected an array");
        return false;
    }
    record.pmTa = std::move(table);
    return true;
}

QString AccessListDisplay(const ConfigRecord& record, const PropertyView&) {
    QString text = EntryCount(record.acTa.size());
    for (const AclEntry& entry : record.acTa) {
        text += QStringLiteral("\n    ") + AclText(entry);
    }
    return text;
}

QJsonValue AccessListToJson(const ConfigRecord& record, const PropertyView&) {
    QJsonArray entries;
    for (const AclEntry& entry : record.acTa) {
        entries.append(QJsonObject{
            {QStringLiteral("corvaneId"), QString::fromStdString(FormatMacAddress(entry.corvaneId))},
            {QStringLiteral("description"), FromStationText(StoredDescription(entry))}});
    }
    return entries;
}

bool AccessListFromJson(ConfigRecord& record, const PropertyView&, const QJsonValue& value, QString& error) {
    std::vector<AclEntry> table;
    for (const QJsonValue& item : value.toArray()) {
        const QJsonObject entry = item.toObject();
        AclEntry stored;
        std::string description;
        const std::string idText = entry.value(QStringLiteral("corvaneId")).toString().toStdString();
        TextScan scan;
        if (!item.isObject() || entry.size() != 2 || !ParseMacAddress(idText, stored.corvaneId, &scan) ||
            scan.left != 0 || !entry.value(QStringLiteral("description")).isString() ||
            !ToStationText(entry.value(QStringLiteral("description")).toString(), description) ||
            description.size() > AclEntry::kDescriptionSize) {
            error = QStringLiteral(
                "expected objects with a corvaneId like \"00:11:22:33:44:55\" and a description "
                "of at most 34 characters");
            return false;
        }
        if (!AclDescriptionAllowed(description)) {
            error = QStringLiteral("a description cannot hold a line break (CR, LF) or NUL");
            return false;
        }
        // As it is: all 34 bytes, and duplicate IDs too; the adding rules are for editing.
        std::copy(description.begin(), description.end(), stored.description.begin());
        table.push_back(stored);
    }
    if (!value.isArray()) {
        error = QStringLiteral("expected an array");
        return false;
    }
    record.acTa = std::move(table);
    return true;
}

// One row per presentation, in the order of the enumeration.
constexpr PresentationRow kPresentations[] = {
    {P::Text, TextDisplay, TextToJson, TextFromJson},
    {P::Number, NumberDisplay, NumberToJson, NumberFromJson},
    {P::Address, AddressDisplay, AddressToJson, AddressFromJson},
    {P::Key, KeyDisplay, KeyToJson, KeyFromJson},
    {P::PortMappings, PortMappingsDisplay, PortMappingsToJson, PortMappingsFromJson},
    {P::AccessList, AccessListDisplay, AccessListToJson, AccessListFromJson},
};

constexpr bool InEnumerationOrder() {
    for (std::size_t i = 0; i < std::size(kPresentations); ++i) {
        if (kPresentations[i].presentation != Presentation(i)) {
            return false;
        }
    }
    return true;
}
static_assert(InEnumerationOrder());

} // namespace

const PresentationRow& PresentationRowOf(Presentation presentation) {
    return kPresentations[std::size_t(presentation)];
}

} // namespace corvane
