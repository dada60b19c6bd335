// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "strings/ids/string_ids.h"

#include <QString>

namespace corvane {

// A string of the string table as Qt text.
QString ResourceText(StringId id);

} // namespace corvane
