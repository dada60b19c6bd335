// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "strings/ids/dialog_buttons.h"

#include <QDialog>

namespace corvane {

// A modal dialog built on a dialog template. It ends with kOk or kCancel: the OK button runs OnOK, Cancel,
// Escape and the close box run OnCancel. OnInitDialog runs once, as the dialog is first shown.
class TemplateDialog : public QDialog {
    Q_OBJECT

public:
    explicit TemplateDialog(QWidget* parent = nullptr);

    void reject() override;

protected:
    // Wires the OK and Cancel buttons of the template, when it has them; call once the template is set up.
    void BindStandardButtons();

    virtual void OnInitDialog() {}
    virtual void OnOK();
    virtual void OnCancel();

    void showEvent(QShowEvent* event) override;

private:
    bool initialised_ = false;
};

} // namespace corvane
