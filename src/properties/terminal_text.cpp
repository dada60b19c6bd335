// SPDX-License-Identifier: Apache-2.0
#include "properties/terminal_text.h"

namespace corvane {

namespace {

bool IsControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

} // namespace

QString TerminalText(const QString& text) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\')) {
            shown += QStringLiteral("\\\\");
        } else if (IsControl(c.unicode())) {
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            shown += c;
        }
    }
    return shown;
}

QByteArray TerminalJson(const QByteArray& json) {
    // QJsonDocument escapes C0 itself; DEL is one byte and a C1 control two (C2 80 to C2 9F) in UTF-8, and
    // outside strings JSON holds neither.
    QByteArray shown;
    shown.reserve(json.size());
    for (qsizetype i = 0; i < json.size(); ++i) {
        const auto byte = static_cast<unsigned char>(json[i]);
        const auto next = i + 1 < json.size() ? static_cast<unsigned char>(json[i + 1]) : 0;
        if (byte == 0x7F) {
            shown += "\\u007f";
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
            shown += "\\u00" + QByteArray::number(next, 16);
            ++i;
        } else {
            shown += char(byte);
        }
    }
    return shown;
}

} // namespace corvane
