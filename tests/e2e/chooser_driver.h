// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <set>

namespace corvane {
class ChooserWindow;
class ConfigWindow;
} // namespace corvane

namespace corvane::e2e {

// Drives the chooser as a user does against the simulated fleet: waits for stations, selects and configures
// them, reads what its list shows.

// A scan's two passes and a slow answer or two.
constexpr int kScanWaitMs = 30000;
// The restart countdown's 20 seconds, and what a busy machine adds to them.
constexpr int kCountdownEndWaitMs = 20000 + kScanWaitMs;

std::set<QString> ListedAddresses(const ChooserWindow& chooser);
QString RowText(const ChooserWindow& chooser, int row, int column);
// The row that lists the station, or -1.
int RowOf(const ChooserWindow& chooser, int station);
// Waits up to kScanWaitMs for the chooser to list the station; false when it never did.
bool WaitForStation(const ChooserWindow& chooser, int station);
// Makes the station's row the only selected one; its row, or -1.
int SelectStation(ChooserWindow& chooser, int station);
// Whether the row shows the restart countdown, at any count: on a busy machine the first look may come
// seconds after it began. (The counts themselves are the chooser's own tests', on a clock of theirs.)
bool CountdownStarted(const ChooserWindow& chooser, int row);
// Answers the next password dialog with `password`.
void AnswerPassword(const QString& password);
// Selects the station and presses Configure, answering the password dialog: the window that opened, or null.
ConfigWindow* ConfigureStation(ChooserWindow& chooser, int station, const QString& password);

} // namespace corvane::e2e
