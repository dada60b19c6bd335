// SPDX-License-Identifier: Apache-2.0
#include "config/status_codes.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

// Every named code of the catalogue is known; a number no layer gives is not.
TEST(StatusCodesTest, KnownStatusesAreTheCataloguesCodesAndSystemErrors) {
    for (const int status : {kOutOfMemory,
                             kChecksumMismatch,
                             kUnknownProperty,
                             kMalformedValue,
                             kUnsupportedVersion,
                             kBadMagic,
                             kFileSizeUnavailable,
                             kKeyBufferUnavailable,
                             socket_status::kSystemFailure,
                             socket_status::kBadArgument,
                             socket_status::kOutOfMemory,
                             socket_status::kTimedOut,
                             socket_status::kAborted,
                             socket_status::kConnectionLost,
                             socket_status::kSocketsUnavailable,
                             socket_status::kNoAddressAtPosition,
                             kDiscoveryUnavailable,
                             session_status::kOutOfMemory,
                             session_status::kBadArgument,
                             session_status::kReplyChecksumWrong,
                             session_status::kReservedNotZero,
                             session_status::kTooLarge,
                             session_status::kWrongPassword,
                             session_status::kStationFailure,
                             file_status::kNotOpened,
                             file_status::kOutOfMemory,
                             file_status::kIncomplete,
                             software_status::kDefaultImageMissing,
                             software_status::kDefaultImageEmpty,
                             runner_status::kCancelled,
                             runner_status::kThreadNotStarted,
                             runner_status::kWaitFailed,
                             kControlMissing,
                             kProgramCodesLowest,
                             kProgramCodesHighest,
                             1,
                             4095 /* system error numbers */}) {
        EXPECT_TRUE(IsKnownStatus(status)) << status;
    }
    for (const int status :
         {-8, -11, -12, -17, -21, kProgramCodesLowest - 1, kProgramCodesHighest + 1, 4096, 12345, -31001}) {
        EXPECT_FALSE(IsKnownStatus(status)) << status;
    }
}

} // namespace
} // namespace corvane
