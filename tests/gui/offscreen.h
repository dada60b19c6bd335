// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::testing {

// Called before the application is made: unless QT_QPA_PLATFORM names a platform, the windows are drawn
// offscreen, so that the benchmarks run without a display.
void DefaultToOffscreen();

} // namespace corvane::testing
