// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "strings/ids/string_ids.h"

#include <string_view>

namespace corvane {

// The program's string table: messages, captions, headings and file-dialog filters by id.
// An id the table does not hold yields an empty string.
std::string_view ResourceString(StringId id);

} // namespace corvane
