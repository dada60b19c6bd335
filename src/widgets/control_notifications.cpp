// SPDX-License-Identifier: Apache-2.0
#include "widgets/control_notifications.h"

#include "widgets/control_binding.h"
#include "widgets/control_error.h"

#include <QAbstractButton>
#include <QComboBox>

namespace corvane {

void OnClicked(QWidget* dialog, int id, std::function<void(bool checked)> handler) {
    auto* button = qobject_cast<QAbstractButton*>(GetControl(dialog, id));
    if (button == nullptr) {
        throw ControlError{};
    }
    QObject::connect(button, &QAbstractButton::clicked, dialog, std::move(handler));
}

void OnSelectionChanged(QWidget* dialog, int id, std::function<void(int index)> handler) {
    auto* list = qobject_cast<QComboBox*>(GetControl(dialog, id));
    if (list == nullptr) {
        throw ControlError{};
    }
    QObject::connect(list, &QComboBox::currentIndexChanged, dialog, std::move(handler));
}

} // namespace corvane
