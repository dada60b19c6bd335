#pragma once

#include "config/status_codes.h"
#include "strings/ids/string_ids.h"

#include <QString>
#include <cstdint>

namespace corvane {

// Raised when a dialog lacks a control that the code asks for, or a window cannot load a resource it needs.
// Only a template and its code disagreeing causes it. A window that cannot be set up throws it to its opener,
// which reports the failure and goes on; nothing else catches it.
class ControlError {
public:
    std::int32_t status() const { return kControlMissing; }
};

// The string table's text for a caption the window cannot do without; ControlError when the table lacks it.
QString RequiredResourceText(StringId id);

} // namespace corvane
