// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "widgets/template_dialog.h"

#include <string>

namespace corvane {

// A dialog that hands one typed password back to its caller. The text goes to the control when the dialog
// opens and comes back from it on OK.
class PasswordDialog : public TemplateDialog {
    Q_OBJECT

public:
    // Runs the dialog modally; on OK copies the password into `password` and returns true. Otherwise returns
    // false and leaves `password` as it was.
    bool Run(std::string& password);

protected:
    PasswordDialog(int passwordControl, QWidget* parent);

    void OnInitDialog() override;
    void OnOK() override;
    // Takes the password from its control.
    void ReadPassword();

    std::string password_;

private:
    int passwordControl_;
};

} // namespace corvane
