// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::cli {

// The tool's exit statuses, listed in --help.
enum ExitCode : int {
    kExitSuccess = 0,
    kExitDifferent = 1,     // diff: the configurations differ
    kExitUsage = 2,         // bad command line
    kExitStationFailed = 3, // a base-station operation failed
    kExitWrongPassword = 4, // the base station refused the password (-16)
    kExitReadFailed = 5,    // an input file could not be read or is not valid
    kExitWriteFailed = 6,   // an output file could not be written
    kExitInvalidInput = 7,  // a password or JSON document that is not valid
    kExitNotBack = 8,       // --wait: the base station did not come back after its restart
    kExitMismatch = 9,      // --wait: the base station came back with a configuration other than written
    kExitSomeFailed = 10,   // a command for several base stations failed for some of them
    kExitRulesBroken =
        11, // a configuration breaks the device's rules (check; import, write, set without --no-check)
    kExitInterrupted = 130, // interrupted while waiting for a base station (-5)
};

} // namespace corvane::cli
