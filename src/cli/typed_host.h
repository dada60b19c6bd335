// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <cstdint>

namespace corvane::cli {

// HOST[:PORT] as a person typed it: an address is read whole, and a port after a name counts as after an
// address.
struct TypedHost {
    QString name; // empty for an address
    std::uint32_t address = 0;
    std::uint16_t port = 0; // 0 when none was given
};

// False with a message naming `text` when it is neither a whole address nor a name, or its port is not 1 to
// 65535.
bool ParseTypedHost(const QString& text, TypedHost& host, QString& error);

} // namespace corvane::cli
