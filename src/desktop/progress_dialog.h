// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "runner/operation_ui.h"
#include "runner/progress_done_counter.h"
#include "widgets/template_dialog.h"

#include <QEvent>
#include <memory>

namespace Ui {
class ProgressTemplate;
}

namespace corvane {

// WM_OPERATION_DONE: posted by the worker when the operation has finished.
inline constexpr QEvent::Type kOperationDoneEvent = static_cast<QEvent::Type>(QEvent::User + 0x100);

// "Progress" (template 153): a busy wheel beside the operation's text, and Cancel. Completion and Cancel each
// count once on the done counter; whichever comes first ends the dialog (1 for completion, 2 for Cancel).
class ProgressDialog : public TemplateDialog, public ProgressDialogInterface {
    Q_OBJECT

public:
    explicit ProgressDialog(const ProgressSpec& progress, QWidget* parent = nullptr);
    ~ProgressDialog() override;

    void NotifyDone() override;
    int RunModal() override;

protected:
    void OnInitDialog() override;
    void OnCancel() override;
    bool event(QEvent* event) override;

private:
    std::unique_ptr<Ui::ProgressTemplate> ui_;
    ProgressDoneCounter doneCounter_;
    ProgressSpec spec_;
};

} // namespace corvane
