// SPDX-License-Identifier: Apache-2.0
#include "cli/typed_host.h"

#include "protocol/host_resolution.h"

#include <algorithm>

namespace corvane::cli {
namespace {

bool ParsePort(const QString& text, std::uint16_t& port) {
    const bool digits = !text.isEmpty() && text.size() <= 5 &&
                        std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    const uint value = digits ? text.toUInt() : 0;
    port = std::uint16_t(value);
    return value >= 1 && value <= 65535;
}

} // namespace

bool ParseTypedHost(const QString& text, TypedHost& host, QString& error) {
    const QByteArray whole = text.toUtf8();
    if (ParseWholeDottedQuad({whole.constData(), std::size_t(whole.size())}, true, host.address, host.port)) {
        return true;
    }
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    host.name = colon < 0 ? text : text.left(colon);
    if (colon >= 0 && !ParsePort(text.mid(colon + 1), host.port)) {
        error = QStringLiteral("%1: the port must be a number from 1 to 65535").arg(text);
        return false;
    }
    // What starts as an address and goes on is a mistyped address, not a name.
    const QByteArray name = host.name.toUtf8();
    std::uint32_t address = 0;
    std::uint16_t port = 0;
    if (host.name.isEmpty() || ParseDottedQuad(name.constData(), address, port)) {
        error = QStringLiteral("%1: expected an address like 10.0.1.1 or a host name, with an optional :PORT")
                    .arg(text);
        return false;
    }
    return true;
}

} // namespace corvane::cli
