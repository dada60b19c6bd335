// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QDialog>

namespace corvane {

class ConfigRecord;

// "Show Changes...": every property whose value differs between the configuration as it was read or opened
// and as the pages hold it now, each with its label, before and after, secrets masked, in the order a write
// sends them; the same comparison the command-line tool prints before it writes.
class ChangesDialog : public QDialog {
    Q_OBJECT

public:
    ChangesDialog(const ConfigRecord& before, const ConfigRecord& after, QWidget* parent);
};

} // namespace corvane
