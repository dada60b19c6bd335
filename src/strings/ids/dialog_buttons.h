// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane {

// The buttons every dialog template shares: their control ids, and what exec() gives back when one closes the
// dialog (the close box counts as Cancel).
enum DialogButton : int {
    kOk = 1, // OK, or the default button named for its action ("Change", "Update")
    kCancel = 2,
};

} // namespace corvane
