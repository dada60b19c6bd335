// SPDX-License-Identifier: Apache-2.0
#include "widgets/ip_address_control.h"

#include <QAccessible>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>

namespace corvane {

IpAddressControl::IpAddressControl(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 1, 3, 1);
    layout->setSpacing(0);
    const auto* validator = new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("25[0-5]|2[0-4][0-9]|1?[0-9]?[0-9]|")), this);
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            auto* dot = new QLabel(QStringLiteral("."), this);
            dot->setBackgroundRole(QPalette::Base);
            layout->addWidget(dot);
        }
        auto* field = new QLineEdit(this);
        field->setFrame(false);
        field->setAlignment(Qt::AlignCenter);
        field->setMaxLength(3);
        field->setValidator(validator);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, [this, i] { FieldEdited(i); });
        layout->addWidget(field);
        fields_[static_cast<std::size_t>(i)] = field;
    }
    setFocusProxy(fields_[0]);
}

std::uint32_t IpAddressControl::Address() const {
    std::uint32_t address = 0;
    for (const QLineEdit* field : fields_) {
        address = (address << 8) | (field->text().toUInt() & 0xFFu);
    }
    return address;
}

void IpAddressControl::SetAddress(std::uint32_t address) {
    for (int i = 0; i < 4; ++i) {
        fields_[static_cast<std::size_t>(i)]->setText(QString::number((address >> (24 - 8 * i)) & 0xFFu));
    }
}

bool IpAddressControl::IsBlank() const {
    return std::ranges::all_of(fields_, [](const QLineEdit* field) { return field->text().isEmpty(); });
}

void IpAddressControl::Clear() {
    for (QLineEdit* field : fields_) {
        field->clear();
    }
}

QSize IpAddressControl::sizeHint() const {
    const QSize fields = layout()->sizeHint();
    return {fields.width() + 2 * frameWidth(), fields.height() + 2 * frameWidth()};
}

void IpAddressControl::MoveTo(int field, bool atEnd) {
    if (field < 0 || field > 3) {
        return;
    }
    QLineEdit* target = fields_[static_cast<std::size_t>(field)];
    target->setFocus(Qt::OtherFocusReason);
    if (atEnd) {
        target->deselect();
        target->end(false);
    } else {
        target->selectAll();
    }
}

void IpAddressControl::FieldEdited(int field) {
    if (fields_[static_cast<std::size_t>(field)]->text().size() == 3) {
        MoveTo(field + 1, false);
    }
}

// A screen reader names each field after the control (its accessible name, or its label's text), which is
// known only once the page has set the control up.
void IpAddressControl::showEvent(QShowEvent* event) {
    QFrame::showEvent(event);
    const QAccessibleInterface* control = QAccessible::queryAccessibleInterface(this);
    QString name = control ? control->text(QAccessible::Name).trimmed() : QString();
    if (name.endsWith(QLatin1Char(':'))) {
        name.chop(1);
    }
    for (int i = 0; i < 4; ++i) {
        fields_[static_cast<std::size_t>(i)]->setAccessibleName(
            name.isEmpty() ? QString() : tr("%1, number %2 of 4").arg(name).arg(i + 1));
    }
}

bool IpAddressControl::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QFrame::eventFilter(watched, event);
    }
    const auto field = static_cast<int>(std::ranges::find(fields_, watched) - fields_.begin());
    if (field > 3) {
        return QFrame::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const QLineEdit* edit = fields_[static_cast<std::size_t>(field)];
    switch (key->key()) {
    case Qt::Key_Period:
        if (!edit->text().isEmpty()) {
            MoveTo(field + 1, false);
        }
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Left:
        if (edit->cursorPosition() == 0 && !edit->hasSelectedText() && field > 0) {
            MoveTo(field - 1, true);
            return true;
        }
        break;
    case Qt::Key_Right:
        if (edit->cursorPosition() == edit->text().size() && field < 3) {
            MoveTo(field + 1, false);
            return true;
        }
        break;
    default:
        break;
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace corvane
