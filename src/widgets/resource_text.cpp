// SPDX-License-Identifier: Apache-2.0
#include "widgets/resource_text.h"

#include "strings/string_table.h"

namespace corvane {

QString ResourceText(StringId id) {
    return QString::fromUtf8(ResourceString(id));
}

} // namespace corvane
