#include "app/error_dialog.h"

#include "pages/control_binding.h"
#include "resources/icons.h"
#include "ui_template_148_error.h"

#include <QApplication>
#include <QLabel>
#include <QStyle>

namespace corvane {
namespace {

constexpr int kIcon = 1141;
constexpr int kMessage = 1058;
constexpr int kCode = 1059;
constexpr int kCodeLabel = 1077;
constexpr unsigned kStopIcon = 129;

void SetIcon(QWidget* dialog, unsigned iconId) {
    auto* icon = qobject_cast<QLabel*>(GetControl(dialog, kIcon));
    const int extent = QApplication::style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, dialog);
    icon->setPixmap(ResourceIcon(iconId).pixmap(extent, extent));
}

} // namespace

ErrorDialog::ErrorDialog(QWidget* parent)
    : TemplateDialog(parent), ui_(std::make_unique<Ui::ErrorDialogTemplate>()) {
    ui_->setupUi(this);
    SetIcon(this, kStopIcon);
    BindStandardButtons();
}

ErrorDialog::~ErrorDialog() = default;

void ErrorDialog::OnInitDialog() {
    if (!caption.empty()) {
        setWindowTitle(QString::fromStdString(caption));
    }
    if (iconId != 0) {
        SetIcon(this, iconId);
    }
    SetControlText(this, kMessage, message);
    if (errorCode == 0) {
        ShowControl(this, kCodeLabel, false);
        ShowControl(this, kCode, false);
    } else {
        SetControlNumber(this, kCode, errorCode);
    }
    if (showCancel) {
        ShowControl(this, TemplateDialog::kCancel, true);
    }
    // OK keeps the focus even when Cancel, earlier in the tab order, is shown.
    GetControl(this, TemplateDialog::kOk)->setFocus(Qt::OtherFocusReason);
}

} // namespace corvane
