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

std::set<QString> ListedAddresses(const ChooserWindow& chooser);
QString RowText(const ChooserWindow& chooser, int row, int column);
// The row that lists the station, or -1.
int RowOf(const ChooserWindow& chooser, int station);
// Waits up to kScanWaitMs for the chooser to list the station; false when it never did.
bool WaitForStation(const ChooserWindow& chooser, int station);
// Makes the station's row the only selected one; its row, or -1.
int SelectStation(ChooserWindow& chooser, int station);
// The first tick shows 20, or 19 when a second of the calendar clock turned since the countdown began.
bool CountdownStarted(const ChooserWindow& chooser, int row);
// Answers the next password dialog with `password`.
void AnswerPassword(const QString& password);
// Selects the station and presses Configure, answering the password dialog: the window that opened, or null.
ConfigWindow* ConfigureStation(ChooserWindow& chooser, int station, const QString& password);

} // namespace corvane::e2e
