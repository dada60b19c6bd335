// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "strings/ids/string_ids.h"

#include <memory>

namespace corvane {

// The progress dialog as the runner sees it.
class ProgressDialogInterface {
public:
    virtual ~ProgressDialogInterface() = default;

    // From the worker thread, under the operation's lock, once the body has returned: counts the completion
    // and, when it is the first of completion and Cancel, asks the dialog (on its own thread) to end with 1.
    virtual void NotifyDone() = 0;
    // Runs the dialog modally; 1 when the operation completed, 2 when the user cancelled.
    virtual int RunModal() = 0;
};

struct ProgressSpec {
    StringId textId; // the dialog's text
    bool disableCancel;
};

// What the operation runner needs from the user interface.
class OperationUi {
public:
    virtual ~OperationUi() = default;

    virtual void ShowWaitCursor() = 0;
    virtual void RestoreCursor() = 0;
    virtual std::unique_ptr<ProgressDialogInterface> CreateProgressDialog(const ProgressSpec& progress) = 0;
};

} // namespace corvane
