// SPDX-License-Identifier: Apache-2.0
#include "desktop/progress_dialog.h"

#include "strings/ids/dialog_buttons.h"
#include "strings/ids/progress_controls.h"
#include "strings/string_table.h"
#include "ui_template_153_progress.h"
#include "widgets/control_binding.h"

#include <QCoreApplication>

namespace corvane {
namespace {} // namespace

ProgressDialog::ProgressDialog(const ProgressSpec& progress, QWidget* parent)
    : TemplateDialog(parent), ui_(std::make_unique<Ui::ProgressTemplate>()), spec_(progress) {
    ui_->setupUi(this);
    BindStandardButtons();
}

ProgressDialog::~ProgressDialog() = default;

void ProgressDialog::NotifyDone() {
    if (doneCounter_.Increment()) {
        QCoreApplication::postEvent(this, new QEvent(kOperationDoneEvent));
    }
}

int ProgressDialog::RunModal() {
    return exec();
}

void ProgressDialog::OnInitDialog() {
    if (doneCounter_.IsDone()) {
        // Finished between registration and now: end as soon as the dialog's loop runs.
        QCoreApplication::postEvent(this, new QEvent(kOperationDoneEvent));
        return;
    }
    if (spec_.textId != 0) {
        SetControlText(this, progress::kText, std::string(ResourceString(spec_.textId)));
    }
    if (spec_.disableCancel) {
        EnableControl(this, kCancel, false);
    }
}

void ProgressDialog::OnCancel() {
    if (doneCounter_.Increment()) {
        done(kCancel);
    }
}

bool ProgressDialog::event(QEvent* event) {
    if (event->type() == kOperationDoneEvent) {
        done(kOk);
        return true;
    }
    return TemplateDialog::event(event);
}

} // namespace corvane
