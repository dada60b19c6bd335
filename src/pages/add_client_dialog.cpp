// SPDX-License-Identifier: Apache-2.0
#include "pages/add_client_dialog.h"

#include "config/hex_text.h"
#include "config/table_editing.h"
#include "rules/table_rules.h"
#include "strings/ids/add_client_controls.h"
#include "strings/ids/string_ids.h"
#include "ui_template_152_add_client.h"
#include "widgets/control_binding.h"
#include "widgets/messages.h"

namespace corvane {

AddClientDialog::AddClientDialog(QWidget* parent)
    : TemplateDialog(parent), ui_(std::make_unique<Ui::AddClientTemplate>()) {
    ui_->setupUi(this);
    BindStandardButtons();
}

AddClientDialog::~AddClientDialog() = default;

bool AddClientDialog::Run(AclEntry& entry, const AclEntry* edited) {
    editing_ = edited != nullptr;
    if (editing_) {
        corvaneId_ = edited->corvaneId;
        description_ = AclDescription(*edited);
    }
    if (exec() != kOk) {
        return false;
    }
    entry = MakeAclEntry(corvaneId_, description_);
    return true;
}

void AddClientDialog::OnInitDialog() {
    if (editing_) {
        SetControlText(this, add_client::kCorvaneIdEdit, FormatMacAddress(corvaneId_));
        SetControlText(this, add_client::kDescriptionEdit, description_);
    }
}

void AddClientDialog::OnOK() {
    std::string id;
    GetControlText(this, add_client::kCorvaneIdEdit, id);
    if (const std::optional<StringId> refused = CheckCorvaneIdText(id, corvaneId_)) {
        ShowMessage(*refused, 0, false);
        return;
    }
    std::string description;
    GetControlText(this, add_client::kDescriptionEdit, description);
    // A pasted line break would start a line of its own in an exported list file.
    if (const std::optional<StringId> refused = CheckDescriptionText(description)) {
        ShowMessage(*refused, 0, false);
        return;
    }
    description_ = description;
    done(kOk);
}

} // namespace corvane
