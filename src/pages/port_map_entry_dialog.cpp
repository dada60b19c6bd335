// SPDX-License-Identifier: Apache-2.0
#include "pages/port_map_entry_dialog.h"

#include "rules/table_rules.h"
#include "strings/ids/port_map_entry_controls.h"
#include "strings/ids/string_ids.h"
#include "ui_template_151_port_map_entry.h"
#include "widgets/control_binding.h"
#include "widgets/ip_address_control.h"
#include "widgets/messages.h"

namespace corvane {

namespace {

std::string TextOf(QWidget* dialog, int control) {
    std::string text;
    GetControlText(dialog, control, text);
    return text;
}

} // namespace

PortMapEntryDialog::PortMapEntryDialog(QWidget* parent)
    : TemplateDialog(parent), ui_(std::make_unique<Ui::PortMapEntryTemplate>()) {
    ui_->setupUi(this);
    BindStandardButtons();
}

PortMapEntryDialog::~PortMapEntryDialog() = default;

bool PortMapEntryDialog::Add(PortMapEntry& entry) {
    editing_ = false;
    return Run(entry);
}

bool PortMapEntryDialog::Edit(PortMapEntry& entry) {
    editing_ = true;
    entry_ = entry;
    return Run(entry);
}

bool PortMapEntryDialog::Run(PortMapEntry& entry) {
    if (exec() != corvane::kOk) {
        return false;
    }
    entry = entry_;
    return true;
}

void PortMapEntryDialog::OnInitDialog() {
    if (editing_) {
        SetControlNumber(this, port_map_entry::kPublicPort, entry_.publicPort);
        SetControlNumber(this, port_map_entry::kPrivatePort, entry_.privatePort);
        SetIPAddress(this, port_map_entry::kPrivateAddress, entry_.privateAddress);
    }
}

void PortMapEntryDialog::OnOK() {
    const auto* address = qobject_cast<IpAddressControl*>(GetControl(this, port_map_entry::kPrivateAddress));
    if (!PortMapFieldsFilled(TextOf(this, port_map_entry::kPublicPort), address->IsBlank(),
                             TextOf(this, port_map_entry::kPrivatePort))) {
        ShowMessage(kStrFieldsBlank, 0, false);
        return;
    }
    entry_.publicPort = static_cast<std::uint16_t>(GetControlNumber(this, port_map_entry::kPublicPort));
    entry_.privatePort = static_cast<std::uint16_t>(GetControlNumber(this, port_map_entry::kPrivatePort));
    entry_.privateAddress = GetIPAddress(this, port_map_entry::kPrivateAddress);
    done(corvane::kOk);
}

} // namespace corvane
