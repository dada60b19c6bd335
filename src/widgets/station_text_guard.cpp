// SPDX-License-Identifier: Apache-2.0
#include "widgets/station_text_guard.h"

#include "files/station_text.h"
#include "widgets/control_binding.h"

#include <QLineEdit>
#include <QPointer>
#include <QToolTip>
#include <QValidator>

namespace corvane {
namespace {

class StationTextValidator : public QValidator {
public:
    StationTextValidator(QLineEdit* edit, const QValidator* inner)
        : QValidator(edit), edit_(edit), inner_(inner) {}

    State validate(QString& input, int& pos) const override {
        std::string bytes;
        QString refused;
        if (!ToStationText(input, bytes, &refused)) {
            QToolTip::showText(edit_->mapToGlobal(QPoint(0, edit_->height())),
                               QString::fromUtf8(kUnencodableCharacterMessage).arg(refused), edit_);
            return Invalid;
        }
        return inner_ != nullptr ? inner_->validate(input, pos) : Acceptable;
    }

    void fixup(QString& input) const override {
        if (inner_ != nullptr) {
            inner_->fixup(input);
        }
    }

private:
    QLineEdit* edit_;
    QPointer<const QValidator> inner_;
};

} // namespace

void GuardStationText(QLineEdit* edit) {
    const QValidator* current = edit->validator();
    if (dynamic_cast<const StationTextValidator*>(current) != nullptr) {
        return;
    }
    edit->setValidator(new StationTextValidator(edit, current));
}

void GuardStationTexts(QWidget* dialog) {
    for (QLineEdit* edit : dialog->findChildren<QLineEdit*>()) {
        if (edit->property(kControlIdProperty).isValid()) {
            GuardStationText(edit);
        }
    }
}

} // namespace corvane
