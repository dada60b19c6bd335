// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane::testing {

// With CORVANE_PALETTE=dark in the environment, gives the application the Fusion style (which draws from the
// palette alone) and a dark palette of the kind desktops offer, so that pictures show the program as a dark
// desktop would. Otherwise leaves the platform's look alone.
void ApplyPaletteFromEnvironment();

} // namespace corvane::testing
