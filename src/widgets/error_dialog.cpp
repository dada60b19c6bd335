// SPDX-License-Identifier: Apache-2.0
#include "widgets/error_dialog.h"

#include "resources/icons.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/error_controls.h"
#include "strings/ids/icon_ids.h"
#include "ui_template_148_error.h"
#include "widgets/control_binding.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>

namespace corvane {
namespace {

void SetIcon(QWidget* dialog, IconId iconId) {
    auto* icon = qobject_cast<QLabel*>(GetControl(dialog, error::kIcon));
    const int extent = QApplication::style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, dialog);
    icon->setPixmap(ResourceIcon(iconId).pixmap(extent, extent));
}

} // namespace

ErrorDialog::ErrorDialog(QWidget* parent)
    : TemplateDialog(parent), ui_(std::make_unique<Ui::ErrorDialogTemplate>()) {
    ui_->setupUi(this);
    BindStandardButtons();
}

ErrorDialog::~ErrorDialog() = default;

void ErrorDialog::OnInitDialog() {
    if (!caption.empty()) {
        setWindowTitle(QString::fromStdString(caption));
    }
    SetIcon(this, icon);
    SetControlText(this, error::kMessage, message);
    if (errorCode == 0) {
        ShowControl(this, error::kCodeLabel, false);
        ShowControl(this, error::kCode, false);
    } else {
        SetControlNumber(this, error::kCode, errorCode);
    }
    if (showCancel) {
        ShowControl(this, kCancel, true);
    }
    // OK keeps the focus even when Cancel, earlier in the tab order, is shown.
    GetControl(this, kOk)->setFocus(Qt::OtherFocusReason);
}

} // namespace corvane
