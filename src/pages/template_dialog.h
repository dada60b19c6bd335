#pragma once

#include <QDialog>

namespace corvane {

// A modal dialog built on a dialog template. It ends with 1 (OK) or 2 (Cancel): button 1 runs OnOK, button 2,
// Escape and the close box run OnCancel. OnInitDialog runs once, as the dialog is first shown.
class TemplateDialog : public QDialog {
    Q_OBJECT

public:
    enum Result : int { kOk = 1, kCancel = 2 };

    explicit TemplateDialog(QWidget* parent = nullptr);

    void reject() override;

protected:
    // Wires buttons 1 and 2 of the template, when it has them; call once the template is set up.
    void BindStandardButtons();

    virtual void OnInitDialog() {}
    virtual void OnOK();
    virtual void OnCancel();

    void showEvent(QShowEvent* event) override;

private:
    bool initialised_ = false;
};

} // namespace corvane
