// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane {

// Ids of the icon resources.
enum IconId : unsigned {
    kIconProgram = 128,
    kIconStop = 129, // the Error dialog's default
    kIconNote = 154, // confirmations and notes
};

} // namespace corvane
