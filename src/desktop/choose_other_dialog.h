// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "widgets/template_dialog.h"

#include <memory>
#include <string>

namespace Ui {
class ChooseOtherTemplate;
}

namespace corvane {

// "Choose Other Base Station" (template 147): the address and password of a base station discovery did not
// find. The address is free text; the caller parses it.
class ChooseOtherDialog : public TemplateDialog {
    Q_OBJECT

public:
    explicit ChooseOtherDialog(QWidget* parent = nullptr);
    ~ChooseOtherDialog() override;

    // On OK copies both texts out and returns true; otherwise returns false and leaves them as they were.
    bool Run(std::string& address, std::string& password);

protected:
    void OnInitDialog() override;
    void OnOK() override;

private:
    std::unique_ptr<Ui::ChooseOtherTemplate> ui_;
    std::string address_;
    std::string password_;
};

} // namespace corvane
