#pragma once

namespace corvane::socket_status {

// Status codes of the socket layer (0 is success; a positive value is the system's error number passed
// through).
constexpr int kSystemFailure = -1; // a socket call failed without an error number of its own
constexpr int kBadArgument = -2;   // absent record or buffer, reserved not 0, unknown family/type/option
constexpr int kOutOfMemory = -3;
constexpr int kTimedOut = -4;
constexpr int kAborted = -5;
constexpr int kConnectionLost = -6; // peer closed, or a send or receive failed outright
constexpr int kSocketsUnavailable = -7;
constexpr int kNoAddressAtPosition = -9;

} // namespace corvane::socket_status
