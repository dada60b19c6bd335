// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArray>
#include <QString>

namespace corvane {

// Station text as it may reach a terminal: controls (C0, DEL and C1) and backslashes written as \xNN and \\,
// so nothing a station sends can move the cursor, forge a row or speak to the terminal.
QString TerminalText(const QString& text);

// JSON as it may reach a terminal: the controls JSON leaves raw (DEL and C1) written as \u00NN escapes, which
// keeps it valid JSON of the same value.
QByteArray TerminalJson(const QByteArray& json);

} // namespace corvane
