#pragma once

#include "config/status_codes.h"

#include <cstdint>

namespace corvane {

// Raised when a dialog lacks a control that the code asks for, or a window cannot load a resource it needs.
// Only a template and its code disagreeing causes it; nothing in the program catches it.
class ControlError {
public:
    std::int32_t status() const { return kControlMissing; }
};

} // namespace corvane
