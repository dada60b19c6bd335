// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>

namespace corvane {

// Every status code of the programs, by the layer that gives it. 0 is success everywhere; a positive value
// from the socket layer is the system's error number passed through. Some numbers deliberately mean different
// things in different layers, as the layers always have (they are noted where they occur): a caller reads a
// status by the layer of the function that returned it.

// The configuration model and its formats.
constexpr int kOutOfMemory = -3;
constexpr int kChecksumMismatch = -6; // the socket layer's -6 is a lost connection
constexpr int kUnknownProperty = -10; // tag not in the catalogue, or a tag that is not a table
constexpr int kMalformedValue =
    -15; // wrong integer width, short table, element past the end, oversized element
constexpr int kUnsupportedVersion = -19;
constexpr int kBadMagic = -20;
constexpr int kFileSizeUnavailable = -6704;
constexpr int kKeyBufferUnavailable = -6731; // also any other lack of memory above the core

// The socket layer.
namespace socket_status {
constexpr int kSystemFailure = -1; // a socket call failed without an error number of its own
constexpr int kBadArgument = -2;   // absent record or buffer, reserved not 0, unknown family/type/option
constexpr int kOutOfMemory = -3;
constexpr int kTimedOut = -4; // the session layer's -4 is a bad argument
constexpr int kAborted = -5;
constexpr int kConnectionLost = -6; // peer closed, or a send or receive failed outright
constexpr int kSocketsUnavailable = -7;
constexpr int kNoAddressAtPosition = -9;
} // namespace socket_status

// Discovery, when its events or its thread cannot be made.
constexpr int kDiscoveryUnavailable = -13;

// The session and its socket cells; socket-layer codes pass through unchanged (so -4 from a wait is a
// time-out, -4 from a session function a bad argument).
namespace session_status {
constexpr int kOutOfMemory = -3;
constexpr int kBadArgument = -4; // absent cell, host, password or buffer, a zero count or size
constexpr int kReplyChecksumWrong = -6;
constexpr int kReservedNotZero = -14; // also upload flags with a bit above bit 1
constexpr int kTooLarge = -15;        // software image too large, or an action element given with a value
constexpr int kWrongPassword = -16;   // sent by the base station in the reply header
constexpr int kStationFailure = -1;   // sent by the base station when it cannot do what was asked
} // namespace session_status

// The block the programs' own codes above the core are taken from: reading files, the default software image,
// the operation runner.
constexpr int kProgramCodesLowest = -6740;
constexpr int kProgramCodesHighest = -6703;

// Reading a whole file (a configuration file, a software image, an access-control list).
namespace file_status {
constexpr int kNotOpened = -6703;
constexpr int kOutOfMemory = -6731;
constexpr int kIncomplete = -6736; // fewer bytes than the file's size
} // namespace file_status

// The default software image among the program's resources.
namespace software_status {
constexpr int kDefaultImageMissing = -6732; // the runner's -6732 is a worker that did not start
constexpr int kDefaultImageEmpty = -6736;   // as a short file read: nothing usable
} // namespace software_status

// The operation runner.
namespace runner_status {
constexpr int kCancelled = -6725; // the user cancelled in the progress dialog
constexpr int kThreadNotStarted = -6732;
constexpr int kWaitFailed = -6740; // waiting for the worker failed
} // namespace runner_status

// Commands on several base stations at once.
namespace batch_status {
constexpr int kNotBack = -6739;  // after new software the station did not answer discovery again in time
constexpr int kNotSaved = -6738; // a configuration that was read could not be saved to its file
} // namespace batch_status

// A dialog that lacks a control its code asks for (only a template and its code disagreeing).
constexpr std::int32_t kControlMissing = -31000;

// Every code above outside the programs' block, each number once (kChecksumMismatch, for one, shares -6 with
// socket_status::kConnectionLost). A new code outside the block joins this list too.
inline constexpr int kCodesOutsideTheProgramBlock[] = {socket_status::kSystemFailure,
                                                       socket_status::kBadArgument,
                                                       kOutOfMemory,
                                                       socket_status::kTimedOut,
                                                       socket_status::kAborted,
                                                       socket_status::kConnectionLost,
                                                       socket_status::kSocketsUnavailable,
                                                       socket_status::kNoAddressAtPosition,
                                                       kUnknownProperty,
                                                       kDiscoveryUnavailable,
                                                       session_status::kReservedNotZero,
                                                       kMalformedValue,
                                                       session_status::kWrongPassword,
                                                       kUnsupportedVersion,
                                                       kBadMagic,
                                                       kControlMissing};

// Whether some layer of the programs gives `status` or passes it through: a code of this catalogue or a
// system error number. Anything else came from a base station that speaks of something the programs do not
// know.
constexpr bool IsKnownStatus(int status) {
    if ((status >= kProgramCodesLowest && status <= kProgramCodesHighest) || (status > 0 && status < 4096)) {
        return true;
    }
    for (const int code : kCodesOutsideTheProgramBlock) {
        if (code == status) {
            return true;
        }
    }
    return false;
}

} // namespace corvane
