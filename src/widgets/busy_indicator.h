// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QBasicTimer>
#include <QWidget>

namespace corvane {

// A small spinning wheel that says "still working"; it turns only while it is visible.
class BusyIndicator : public QWidget {
    Q_OBJECT

public:
    explicit BusyIndicator(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QBasicTimer timer_;
    int step_ = 0;
};

} // namespace corvane
