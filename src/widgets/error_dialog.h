// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "strings/ids/icon_ids.h"
#include "widgets/template_dialog.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Ui {
class ErrorDialogTemplate;
}

namespace corvane {

// "Error" (template 148): the one dialog every message of the program is shown in. Set the fields, then
// exec().
class ErrorDialog : public TemplateDialog {
    Q_OBJECT

public:
    explicit ErrorDialog(QWidget* parent = nullptr);
    ~ErrorDialog() override;

    std::string message;
    std::int32_t errorCode = 0; // shown on the "Error Code:" line when not 0
    bool showCancel = false;
    std::string caption; // replaces "Error" when not empty
    IconId icon = kIconStop;

protected:
    void OnInitDialog() override;

private:
    std::unique_ptr<Ui::ErrorDialogTemplate> ui_;
};

} // namespace corvane
