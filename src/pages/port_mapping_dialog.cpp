// SPDX-License-Identifier: Apache-2.0
#include "pages/port_mapping_dialog.h"

#include "config/config_record.h"
#include "config/table_editing.h"
#include "pages/port_map_entry_dialog.h"
#include "strings/ids/port_mapping_controls.h"
#include "strings/ids/string_ids.h"
#include "strings/string_table.h"
#include "ui_template_145_port_mapping.h"
#include "widgets/control_binding.h"
#include "widgets/control_error.h"
#include "widgets/control_notifications.h"
#include "widgets/messages.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace corvane {

namespace {

constexpr int kColumnWidth = 128;

QString AddressText(std::uint32_t address) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg(address >> 24)
        .arg((address >> 16) & 0xFFu)
        .arg((address >> 8) & 0xFFu)
        .arg(address & 0xFFu);
}

} // namespace

PortMappingDialog::PortMappingDialog(ConfigRecord* record, QWidget* parent)
    : TemplateDialog(parent), ui_(std::make_unique<Ui::PortMappingTemplate>()), record_(record) {
    ui_->setupUi(this);
    BindStandardButtons();
    list_ = qobject_cast<QTreeWidget*>(GetControl(this, port_mapping::kList));
    OnClicked(this, port_mapping::kAdd, [this](bool) { Add(); });
    OnClicked(this, port_mapping::kEdit, [this](bool) { Edit(); });
    OnClicked(this, port_mapping::kRemove, [this](bool) { Remove(); });
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] {
        const bool selected = SelectedRow() >= 0;
        EnableControl(this, port_mapping::kEdit, selected);
        EnableControl(this, port_mapping::kRemove, selected);
    });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { Edit(); });
}

PortMappingDialog::~PortMappingDialog() = default;

void PortMappingDialog::OnInitDialog() {
    list_->setHeaderLabels({RequiredResourceText(kStrColumnPublicPort),
                            RequiredResourceText(kStrColumnPrivateAddress),
                            RequiredResourceText(kStrColumnPrivatePort)});
    for (int column = 0; column < list_->columnCount(); ++column) {
        list_->setColumnWidth(column, kColumnWidth);
    }
    list_->header()->setSectionsClickable(false);
    for (std::size_t row = 0; row < record_->pmTa.size(); ++row) {
        ShowEntry(static_cast<int>(row), record_->pmTa[row]);
    }
    EnableControl(this, port_mapping::kEdit, false);
    EnableControl(this, port_mapping::kRemove, false);
    if (list_->topLevelItemCount() > 0) {
        list_->setCurrentItem(list_->topLevelItem(0));
        list_->setFocus();
    }
}

void PortMappingDialog::ShowEntry(int row, const PortMapEntry& entry) {
    QTreeWidgetItem* item = list_->topLevelItem(row);
    if (item == nullptr) {
        item = new QTreeWidgetItem(list_);
    }
    item->setText(0, QString::number(entry.publicPort));
    item->setText(1, AddressText(entry.privateAddress));
    item->setText(2, QString::number(entry.privatePort));
}

int PortMappingDialog::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.first());
}

void PortMappingDialog::Add() {
    PortMapEntry entry;
    PortMapEntryDialog dialog(this);
    if (!dialog.Add(entry)) {
        return;
    }
    if (!AddPortMapping(record_->pmTa, entry)) {
        ShowMessage(kStrDuplicatePortMapping, 0, false);
        return;
    }
    ShowEntry(list_->topLevelItemCount(), entry);
}

void PortMappingDialog::Edit() {
    const int row = SelectedRow();
    if (row < 0) {
        return;
    }
    const auto index = static_cast<std::size_t>(row);
    PortMapEntry entry = record_->pmTa.at(index);
    PortMapEntryDialog dialog(this);
    // The selected row's own entry, never its first twin: list and table always agree.
    if (dialog.Edit(entry) && ReplaceEntryAt(record_->pmTa, index, entry)) {
        ShowEntry(row, entry);
    }
}

void PortMappingDialog::Remove() {
    const int row = SelectedRow();
    if (row < 0) {
        return;
    }
    delete list_->takeTopLevelItem(row);
    record_->pmTa.erase(record_->pmTa.begin() + row);
    // Nothing is selected after a removal, so that a second click does not remove the next mapping.
    list_->clearSelection();
}

} // namespace corvane
