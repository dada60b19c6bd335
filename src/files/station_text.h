// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/windows_1252.h"

#include <QString>
#include <string>
#include <string_view>

namespace corvane {

// Station text between its Windows-1252 bytes and the Unicode a person reads and types, for both programs.

inline QString FromStationText(std::string_view bytes) {
    const std::string utf8 = Windows1252ToUtf8(bytes);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// False when `text` holds a character Windows-1252 cannot hold: `bytes` is left as it was and `refused` (when
// given) gets that character.
inline bool ToStationText(const QString& text, std::string& bytes, QString* refused = nullptr) {
    char32_t refusedCodePoint = 0;
    if (Utf8ToWindows1252(text.toStdString(), bytes, &refusedCodePoint)) {
        return true;
    }
    if (refused != nullptr) {
        *refused = QString::fromUcs4(&refusedCodePoint, 1);
    }
    return false;
}

} // namespace corvane
