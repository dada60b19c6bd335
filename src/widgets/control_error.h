// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/status_codes.h"
#include "strings/ids/string_ids.h"

#include <QString>
#include <cstdint>

namespace corvane {

// Raised when a dialog lacks a control that the code asks for, or a window cannot load a resource it needs.
// Only a template and its code disagreeing causes it. The chooser catches it where it opens a configuration
// window, as it catches running out of memory there; raised anywhere else, nothing catches it and the program
// ends.
class ControlError {
public:
    std::int32_t status() const { return kControlMissing; }
};

// The string table's text for a caption the window cannot do without; ControlError when the table lacks it.
QString RequiredResourceText(StringId id);

} // namespace corvane
