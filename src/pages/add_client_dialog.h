// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/table_entries.h"
#include "widgets/template_dialog.h"

#include <memory>
#include <string>

namespace Ui {
class AddClientTemplate;
}

namespace corvane {

// "Add Client" (template 152): one client's Corvane ID and description, for adding a client or editing one.
class AddClientDialog : public TemplateDialog {
    Q_OBJECT

public:
    explicit AddClientDialog(QWidget* parent = nullptr);
    ~AddClientDialog() override;

    // Shows `edited` when given, else empty fields. On OK fills `entry` with the ID and the description (at
    // most 33 characters) and returns true; otherwise leaves it as it was and returns false.
    bool Run(AclEntry& entry, const AclEntry* edited = nullptr);

protected:
    void OnInitDialog() override;
    void OnOK() override;

private:
    std::unique_ptr<Ui::AddClientTemplate> ui_;
    bool editing_ = false;
    MacAddress corvaneId_{};
    std::string description_;
};

} // namespace corvane
