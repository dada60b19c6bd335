// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "runner/operation_ui.h"

namespace corvane {

// The operation runner's user interface in this program: the application's wait cursor and the Progress
// dialog.
class QtOperationUi : public OperationUi {
public:
    void ShowWaitCursor() override;
    void RestoreCursor() override;
    std::unique_ptr<ProgressDialogInterface> CreateProgressDialog(const ProgressSpec& progress) override;
};

} // namespace corvane
