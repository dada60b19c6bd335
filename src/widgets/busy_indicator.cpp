// SPDX-License-Identifier: Apache-2.0
#include "widgets/busy_indicator.h"

#include <QPainter>
#include <QTimerEvent>
#include <algorithm>

namespace corvane {
namespace {

constexpr int kSpokes = 12;
constexpr int kStepMs = 80;

} // namespace

BusyIndicator::BusyIndicator(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize BusyIndicator::sizeHint() const {
    return {28, 28};
}

void BusyIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal extent = std::min(width(), height());
    painter.translate(width() / 2.0, height() / 2.0);
    QColor colour = palette().color(QPalette::WindowText);
    QPen pen(colour, extent / 10.0, Qt::SolidLine, Qt::RoundCap);
    for (int i = 0; i < kSpokes; ++i) {
        // The spoke at the current step is darkest; the ones behind it fade out.
        const int age = (step_ - i + kSpokes) % kSpokes;
        colour.setAlphaF(1.0 - 0.8 * age / (kSpokes - 1));
        pen.setColor(colour);
        painter.setPen(pen);
        painter.save();
        painter.rotate(360.0 * i / kSpokes);
        painter.drawLine(QPointF(0, -extent * 0.22), QPointF(0, -extent * 0.42));
        painter.restore();
    }
}

void BusyIndicator::timerEvent(QTimerEvent* event) {
    if (event->timerId() != timer_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    step_ = (step_ + 1) % kSpokes;
    update();
}

void BusyIndicator::showEvent(QShowEvent* event) {
    timer_.start(kStepMs, this);
    QWidget::showEvent(event);
}

void BusyIndicator::hideEvent(QHideEvent* event) {
    timer_.stop();
    QWidget::hideEvent(event);
}

} // namespace corvane
