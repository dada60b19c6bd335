// SPDX-License-Identifier: Apache-2.0
#include "widgets/template_dialog.h"

#include "widgets/control_binding.h"
#include "widgets/station_text_guard.h"

#include <QAbstractButton>

namespace corvane {

TemplateDialog::TemplateDialog(QWidget* parent) : QDialog(parent) {
    // A caption and a close box, as a fixed-size dialog has: no help, minimise or maximise buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

void TemplateDialog::BindStandardButtons() {
    if (auto* ok = qobject_cast<QAbstractButton*>(FindControl(this, kOk))) {
        connect(ok, &QAbstractButton::clicked, this, [this] { OnOK(); });
    }
    if (auto* cancel = qobject_cast<QAbstractButton*>(FindControl(this, kCancel))) {
        connect(cancel, &QAbstractButton::clicked, this, [this] { OnCancel(); });
    }
}

void TemplateDialog::reject() {
    OnCancel();
}

void TemplateDialog::OnOK() {
    done(kOk);
}

void TemplateDialog::OnCancel() {
    done(kCancel);
}

void TemplateDialog::showEvent(QShowEvent* event) {
    GuardStationTexts(this);
    if (!initialised_) {
        initialised_ = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
}

} // namespace corvane
