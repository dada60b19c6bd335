// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>

namespace corvane::testing {

// What an edit of a dialog shows after text that station text (Windows-1252) cannot hold was typed into it.
struct StationTextRefusal {
    QString shown; // the edit's text
    QString tip;   // the tool tip on screen, or empty
};

// Types "p\u00E4\u20ACss\u0100" into the edit `id` of the next modal dialog, notes what the dialog then shows
// in `refusal` and cancels it.
void TypeUnholdableTextIntoNextModal(int id, StationTextRefusal& refusal);
// The edit kept what Windows-1252 holds and its tip names the character it refused.
void CheckRefusal(const StationTextRefusal& refusal);

} // namespace corvane::testing
