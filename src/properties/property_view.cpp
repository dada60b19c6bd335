// SPDX-License-Identifier: Apache-2.0
#include "properties/property_view.h"

#include "config/byte_order.h"
#include "config/property_catalogue.h"
#include "properties/property_presentation.h"

#include <algorithm>
#include <array>

namespace corvane {

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
    if (text.size() != 4) {
        return false;
    }
    const QByteArray bytes = text.toLatin1();
    tag = LoadBigEndian32(reinterpret_cast<const std::uint8_t*>(bytes.constData()));
    return FindPropertyView(tag) != nullptr;
}

QString DisplayValue(const ConfigRecord& record, const PropertyView& view, bool reveal) {
    if (view.secret && !reveal) {
        return QString::fromLatin1(kHiddenValue);
    }
    return PresentationRowOf(view.presentation).display(record, view);
}

QJsonValue JsonValue(const ConfigRecord& record, const PropertyView& view, bool reveal) {
    if (view.secret && !reveal) {
        return QString::fromLatin1(kHiddenValue);
    }
    return PresentationRowOf(view.presentation).toJson(record, view);
}

bool ApplyJsonValue(ConfigRecord& record, const PropertyView& view, const QJsonValue& value, QString& error) {
    if (!PresentationRowOf(view.presentation).fromJson(record, view, value, error)) {
        if (!error.isEmpty()) {
            error = QStringLiteral("%1: %2").arg(TagText(view.tag), error);
        }
        return false;
    }
    return true;
}

} // namespace corvane
