// SPDX-License-Identifier: Apache-2.0
#include "desktop/qt_operation_ui.h"

#include "desktop/progress_dialog.h"

#include <QApplication>

namespace corvane {

void QtOperationUi::ShowWaitCursor() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtOperationUi::RestoreCursor() {
    QApplication::restoreOverrideCursor();
}

std::unique_ptr<ProgressDialogInterface> QtOperationUi::CreateProgressDialog(const ProgressSpec& progress) {
    return std::make_unique<ProgressDialog>(progress);
}

} // namespace corvane
