// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "widgets/template_dialog.h"

#include <memory>

class QTreeWidget;

namespace Ui {
class PortMappingTemplate;
}

namespace corvane {

class ConfigRecord;
struct PortMapEntry;

// "Port Mapping" (template 145): the record's port-mapping table as a list of public port, private address
// and private port. Add, Edit and Remove change the table at once; there is no undo.
class PortMappingDialog : public TemplateDialog {
    Q_OBJECT

public:
    PortMappingDialog(ConfigRecord* record, QWidget* parent = nullptr);
    ~PortMappingDialog() override;

protected:
    void OnInitDialog() override;

private:
    void Add();
    void Edit();
    void Remove();
    // The first selected row, or -1.
    int SelectedRow() const;
    void ShowEntry(int row, const PortMapEntry& entry);

    std::unique_ptr<Ui::PortMappingTemplate> ui_;
    ConfigRecord* record_;
    QTreeWidget* list_;
};

} // namespace corvane
