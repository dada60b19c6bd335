// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/table_entries.h"
#include "widgets/template_dialog.h"

#include <memory>

namespace Ui {
class PortMapEntryTemplate;
}

namespace corvane {

// "Edit Port Mapping" (template 151): one mapping of a public port to a private address and port. Ports are
// kept modulo 65536.
class PortMapEntryDialog : public TemplateDialog {
    Q_OBJECT

public:
    explicit PortMapEntryDialog(QWidget* parent = nullptr);
    ~PortMapEntryDialog() override;

    // Each runs the dialog modally, Add empty and Edit showing `entry`; on OK they return true with the typed
    // mapping in `entry`, otherwise false with `entry` as it was.
    bool Add(PortMapEntry& entry);
    bool Edit(PortMapEntry& entry);

protected:
    void OnInitDialog() override;
    void OnOK() override;

private:
    bool Run(PortMapEntry& entry);

    std::unique_ptr<Ui::PortMapEntryTemplate> ui_;
    bool editing_ = false;
    PortMapEntry entry_;
};

} // namespace corvane
