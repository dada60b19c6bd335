// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::cli {

// SIGINT, SIGTERM and SIGHUP end the program as they would have (exit status 128 + the signal), but first the
// terminal's echo comes back and the temporary files of saves under way are removed. That work runs on a
// thread of its own: the handler only tells it which signal came. SIGINT goes to `interrupt` instead while
// it returns true (a wait that an interrupt aborts); `interrupt` runs inside the handler.
void InstallTerminatingSignalHandlers(bool (*interrupt)());

} // namespace corvane::cli
