#pragma once

#include <cstdint>

namespace corvane::session_status {

// Status codes the session and its socket cells add; socket-layer codes pass through unchanged (so -4 from a
// wait is a time-out, -4 from a session function a bad argument).
constexpr int kOutOfMemory = -3;
constexpr int kBadArgument = -4; // absent cell, host, password or buffer, a zero count or size
constexpr int kReplyChecksumWrong = -6;
constexpr int kReservedNotZero = -14; // also upload flags with a bit above bit 1
constexpr int kTooLarge = -15;        // software image too large, or an action element given with a value
constexpr int kWrongPassword = -16;   // sent by the base station in the reply header

// The session's argument rule: absent arguments first (-4), then a reserved argument that is not 0 (-14).
inline int CheckArguments(bool present, std::uint32_t reserved) {
    if (!present) {
        return kBadArgument;
    }
    return reserved != 0 ? kReservedNotZero : 0;
}

} // namespace corvane::session_status
