// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "runner/station_batch.h"

#include <QDialog>
#include <QString>
#include <cstddef>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace corvane {

// A station as the batch's window lists it.
struct BatchRow {
    QString name;
    QString address;
};

// The window of one command on several base stations: each station with its state (waiting, working, done,
// failed and why, not begun), Cancel while the batch runs, and a summary line and Close once it has finished.
// Escape and the close box cancel while the batch runs and close the window after.
class BatchProgressDialog : public QDialog {
    Q_OBJECT

public:
    BatchProgressDialog(const QString& title, const std::vector<BatchRow>& rows, QWidget* parent = nullptr);

    // `reason` says why a failed station failed.
    void ShowState(std::size_t row, BatchState state, const QString& reason = {});
    // No station works any more: the summary line, and Close in place of Cancel.
    void ShowFinished();

    bool Finished() const { return finished_; }
    QString StateText(std::size_t row) const;
    QString Summary() const;
    const std::vector<BatchState>& States() const { return states_; }

    void reject() override;

signals:
    void cancelRequested();

private:
    void ShowChosenState();

    QTreeWidget* list_ = nullptr;
    QLabel* chosenState_ = nullptr; // the current row's state in full, wrapped
    QLabel* summary_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* close_ = nullptr;
    std::vector<BatchState> states_;
    bool finished_ = false;
};

} // namespace corvane
