#pragma once

#include <cstdint>

namespace corvane {

// Raised when a dialog lacks a control that the code asks for, or a window cannot load a resource it needs.
// Only a template and its code disagreeing causes it; nothing in the program catches it.
class ControlError {
public:
    static constexpr std::int32_t kStatus = -31000;

    std::int32_t status() const { return kStatus; }
};

} // namespace corvane
