#include "cli/property_view.h"

#include "cli/terminal_text.h"
#include "config/byte_order.h"
#include "config/hex_text.h"
#include "config/network_password.h"
#include "config/property_catalogue.h"
#include "config/property_codec.h"
#include "config/table_editing.h"
#include "files/station_text.h"
#include "protocol/dotted_quad.h"
#include "protocol/host_resolution.h"

#include <QJsonArray>
#include <QJsonObject>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace corvane::cli {

const char* const kHiddenValue = "(hidden)";

namespace {

using P = Presentation;

Presentation PresentationOf(const PropertyDescriptor& row) {
    switch (row.kind) {
    case PropertyKind::Text:
        return P::Text;
    case PropertyKind::Bytes:
        return P::Key;
    case PropertyKind::Table:
        return row.tag == MakeTag("pmTa") ? P::PortMappings : P::AccessList;
    case PropertyKind::Integer:
        break;
    }
    return row.address ? P::Address : P::Number;
}

// One view per transfer-list entry, from the catalogue's rows.
std::array<PropertyView, kTransferCount> MakeViews() {
    std::array<PropertyView, kTransferCount> views{};
    for (std::size_t i = 0; i < kTransferCount; ++i) {
        const PropertyDescriptor* row = nullptr;
        FindProperty(TransferList[i].tag, row);
        views[i] = {row->tag, row->label, PresentationOf(*row), row->secret};
    }
    return views;
}

const std::array<PropertyView, kTransferCount>& Views() {
    static const std::array<PropertyView, kTransferCount> views = MakeViews();
    return views;
}

std::vector<std::uint8_t> ValueBytes(const ConfigRecord& record, PropertyTag tag) {
    std::vector<std::uint8_t> bytes;
    GetProperty(record, tag, bytes);
    return bytes;
}

std::uint32_t NumberValue(const ConfigRecord& record, PropertyTag tag) {
    std::uint32_t value = 0;
    for (std::uint8_t byte : ValueBytes(record, tag))
        value = (value << 8) | byte;
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
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    if (number < 0 || number > limit || std::floor(number) != number)
        return false;
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

} // namespace

std::span<const PropertyView> PropertyViews() {
    return Views();
}

const PropertyView* FindPropertyView(PropertyTag tag) {
    const auto& views = Views();
    const auto it =
        std::find_if(views.begin(), views.end(), [tag](const PropertyView& v) { return v.tag == tag; });
    return it == views.end() ? nullptr : &*it;
}

QString TagText(PropertyTag tag) {
    const char text[4] = {char(tag >> 24), char(tag >> 16), char(tag >> 8), char(tag)};
    return QString::fromLatin1(text, 4);
}

bool ParseTagText(const QString& text, PropertyTag& tag) {
    if (text.size() != 4)
        return false;
    const QByteArray bytes = text.toLatin1();
    tag = LoadBigEndian32(reinterpret_cast<const std::uint8_t*>(bytes.constData()));
    return FindPropertyView(tag) != nullptr;
}

QString DisplayValue(const ConfigRecord& record, const PropertyView& view, bool reveal) {
    if (view.secret && !reveal)
        return QString::fromLatin1(kHiddenValue);
    switch (view.presentation) {
    case P::Text: {
        const std::vector<std::uint8_t> bytes = ValueBytes(record, view.tag);
        return QuotedText(std::string(bytes.begin(), bytes.end()));
    }
    case P::Number:
        return QString::number(NumberValue(record, view.tag));
    case P::Address:
        return Address(NumberValue(record, view.tag));
    case P::Key:
        return record.raWE.empty() ? QStringLiteral("(none)") : KeyHex(record);
    case P::PortMappings: {
        QString text = QStringLiteral("%1 entries").arg(record.pmTa.size());
        for (const PortMapEntry& entry : record.pmTa)
            text += QStringLiteral("\n    public port %1 -> %2 port %3")
                        .arg(entry.publicPort)
                        .arg(Address(entry.privateAddress))
                        .arg(entry.privatePort);
        return text;
    }
    case P::AccessList: {
        QString text = QStringLiteral("%1 entries").arg(record.acTa.size());
        for (const AclEntry& entry : record.acTa)
            text += QStringLiteral("\n    ") + AclText(entry);
        return text;
    }
    }
    return {};
}

QJsonValue JsonValue(const ConfigRecord& record, const PropertyView& view, bool reveal) {
    if (view.secret && !reveal)
        return QString::fromLatin1(kHiddenValue);
    switch (view.presentation) {
    case P::Text: {
        const std::vector<std::uint8_t> bytes = ValueBytes(record, view.tag);
        return FromStationText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
    case P::Number:
        return double(NumberValue(record, view.tag));
    case P::Address:
        return Address(NumberValue(record, view.tag));
    case P::Key:
        return KeyHex(record);
    case P::PortMappings: {
        QJsonArray entries;
        for (const PortMapEntry& entry : record.pmTa)
            entries.append(QJsonObject{{QStringLiteral("privateAddress"), Address(entry.privateAddress)},
                                       {QStringLiteral("privatePort"), entry.privatePort},
                                       {QStringLiteral("publicPort"), entry.publicPort}});
        return entries;
    }
    case P::AccessList: {
        QJsonArray entries;
        for (const AclEntry& entry : record.acTa)
            entries.append(QJsonObject{
                {QStringLiteral("corvaneId"), QString::fromStdString(FormatMacAddress(entry.corvaneId))},
                {QStringLiteral("description"), FromStationText(StoredDescription(entry))}});
        return entries;
    }
    }
    return {};
}

bool ApplyJsonValue(ConfigRecord& record, const PropertyView& view, const QJsonValue& value, QString& error) {
    const QString tag = TagText(view.tag);
    const PropertyDescriptor* row = nullptr;
    FindProperty(view.tag, row);
    switch (view.presentation) {
    case P::Text: {
        std::string bytes;
        QString refused;
        if (!value.isString()) {
            error = QStringLiteral("%1: expected a string").arg(tag);
            return false;
        }
        if (!ToStationText(value.toString(), bytes, &refused)) {
            error =
                QStringLiteral("%1: \"%2\" cannot be used: station text holds only Windows-1252 characters")
                    .arg(tag, refused);
            return false;
        }
        return SetProperty(record, view.tag, std::uint32_t(bytes.size()),
                           reinterpret_cast<const std::uint8_t*>(bytes.data())) == 0;
    }
    case P::Number:
    case P::Address: {
        std::uint32_t number = 0;
        const double limit = std::ldexp(1.0, int(row->width) * 8) - 1;
        const bool ok = view.presentation == P::Address ? ParseAddress(value, number)
                                                        : ParseUnsigned(value, limit, number);
        if (!ok) {
            error = view.presentation == P::Address
                        ? QStringLiteral("%1: expected an address like \"10.0.1.1\"").arg(tag)
                        : QStringLiteral("%1: expected a whole number from 0 to %2")
                              .arg(tag)
                              .arg(limit, 0, 'f', 0);
            return false;
        }
        std::uint8_t bytes[4];
        StoreBigEndian32(bytes, number);
        return SetProperty(record, view.tag, row->width, bytes + 4 - row->width) == 0;
    }
    case P::Key: {
        const std::string text = value.toString().toStdString();
        // Any length a station may hold: the 5 and 13-byte rules are for editing.
        std::vector<std::uint8_t> key(text.size() / 2);
        if (!value.isString() || !HexDecode(text, key)) {
            error = QStringLiteral("%1: expected an even number of hexadecimal digits").arg(tag);
            return false;
        }
        SetWepKey(record, key);
        return true;
    }
    case P::PortMappings: {
        std::vector<PortMapEntry> table;
        for (const QJsonValue& item : value.toArray()) {
            const QJsonObject entry = item.toObject();
            PortMapEntry mapping;
            std::uint32_t privatePort = 0, publicPort = 0;
            if (!item.isObject() || entry.size() != 3 ||
                !ParseAddress(entry.value(QStringLiteral("privateAddress")), mapping.privateAddress) ||
                !ParseUnsigned(entry.value(QStringLiteral("privatePort")), 65535, privatePort) ||
                !ParseUnsigned(entry.value(QStringLiteral("publicPort")), 65535, publicPort)) {
                error = QStringLiteral("%1: expected objects with privateAddress, privatePort and publicPort")
                            .arg(tag);
                return false;
            }
            mapping.privatePort = std::uint16_t(privatePort);
            mapping.publicPort = std::uint16_t(publicPort);
            table.push_back(mapping); // as it is, duplicates too: the adding rules are for editing
        }
        if (!value.isArray()) {
            error = QStringLiteral("%1: expected an array").arg(tag);
            return false;
        }
        record.pmTa = std::move(table);
        return true;
    }
    case P::AccessList: {
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
                error =
                    QStringLiteral("%1: expected objects with a corvaneId like \"00:11:22:33:44:55\" and a "
                                   "description of at most 34 characters")
                        .arg(tag);
                return false;
            }
            // As it is: all 34 bytes, and duplicate IDs too; the adding rules are for editing.
            std::copy(description.begin(), description.end(), stored.description.begin());
            table.push_back(stored);
        }
        if (!value.isArray()) {
            error = QStringLiteral("%1: expected an array").arg(tag);
            return false;
        }
        record.acTa = std::move(table);
        return true;
    }
    }
    return false;
}

} // namespace corvane::cli
