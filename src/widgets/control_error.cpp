// SPDX-License-Identifier: Apache-2.0
#include "widgets/control_error.h"

#include "strings/string_table.h"

namespace corvane {

QString RequiredResourceText(StringId id) {
    const std::string_view text = ResourceString(id);
    if (text.empty()) {
        throw ControlError{};
    }
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace corvane
