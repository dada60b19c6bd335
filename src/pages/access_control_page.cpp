// SPDX-License-Identifier: Apache-2.0
#include "pages/access_control_page.h"

#include "config/acl_list_file.h"
#include "config/config_record.h"
#include "files/bounded_read.h"
#include "files/save_file.h"
#include "pages/acl_list_model.h"
#include "pages/add_client_dialog.h"
#include "strings/ids/access_control_page_controls.h"
#include "strings/ids/string_ids.h"
#include "strings/ids/template_ids.h"
#include "strings/string_table.h"
#include "ui_template_141_access_control.h"
#include "widgets/control_binding.h"
#include "widgets/control_error.h"
#include "widgets/control_notifications.h"
#include "widgets/file_dialog.h"
#include "widgets/messages.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QTreeView>

namespace corvane {

namespace {

constexpr int kIdColumnWidth = 140;
constexpr int kDescriptionColumnWidth = 250;

FileDialogRequest ListFileRequest(FileDialogRequest::Kind kind) {
    return {kind,
            RequiredResourceText(kStrAclFileFilter),
            RequiredResourceText(kStrAclFileExtension),
            RequiredResourceText(kStrAclFileDefaultName),
            {}};
}

} // namespace

AccessControlPage::AccessControlPage(QWidget* parent)
    : ConfigPage(kTemplateAccessControlPage, parent), ui_(std::make_unique<Ui::AccessControlTemplate>()) {
    ui_->setupUi(this);
    QTreeView* list = ui_->clientList;
    clients_ = new AclListModel(RequiredResourceText(kStrColumnCorvaneId),
                                RequiredResourceText(kStrColumnDescription), this);
    list->setModel(clients_);
    list->header()->setSectionsClickable(false);
    list->header()->setStretchLastSection(false);
    list->header()->resizeSection(0, kIdColumnWidth);
    list->header()->resizeSection(1, kDescriptionColumnWidth);
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &AccessControlPage::SelectionChanged);
    connect(list, &QTreeView::doubleClicked, this, &AccessControlPage::OnEdit);

    const std::pair<int, void (AccessControlPage::*)()> commands[] = {
        {access_control_page::kAddButton, &AccessControlPage::OnAdd},
        {access_control_page::kEditButton, &AccessControlPage::OnEdit},
        {access_control_page::kRemoveButton, &AccessControlPage::OnRemove},
        {access_control_page::kImportButton, &AccessControlPage::OnImport},
        {access_control_page::kExportButton, &AccessControlPage::OnExport},
        {access_control_page::kRevertButton, &AccessControlPage::LoadSettings},
    };
    for (const auto& [id, command] : commands) {
        OnClicked(this, id, [this, command = command](bool) { (this->*command)(); });
    }
    for (int id : {access_control_page::kEditButton, access_control_page::kRemoveButton,
                   access_control_page::kExportButton, access_control_page::kRevertButton}) {
        EnableControl(this, id, false);
    }
}

AccessControlPage::~AccessControlPage() = default;

void AccessControlPage::LoadSettings() {
    clients_->SetEntries(configuration->acTa);
    changeCount_ = 0;
    RefreshButtons();
    SelectionChanged();
}

bool AccessControlPage::SaveSettings() {
    configuration->acEn = clients_->Entries().empty() ? 0 : 1;
    configuration->acTa = clients_->Entries();
    return true;
}

void AccessControlPage::OnAdd() {
    AclEntry entry;
    if (!AddClientDialog(this).Run(entry)) {
        return;
    }
    clients_->Store({&entry, 1});
    ++changeCount_;
    RefreshButtons();
}

void AccessControlPage::OnEdit() {
    const int row = SelectedRow();
    if (row < 0) {
        return;
    }
    AclEntry entry;
    if (!AddClientDialog(this).Run(entry, &clients_->Entries()[std::size_t(row)])) {
        return;
    }
    clients_->Replace(row, entry);
    ++changeCount_;
    RefreshButtons();
}

void AccessControlPage::OnRemove() {
    const int row = SelectedRow();
    if (row < 0) {
        return;
    }
    clients_->Remove(row);
    // Nothing is selected after a removal, so that a second click does not remove the next client.
    ui_->clientList->selectionModel()->clearSelection();
    ++changeCount_;
    RefreshButtons();
    SelectionChanged();
}

void AccessControlPage::OnImport() {
    const std::optional<QString> path = AskFileName(this, ListFileRequest(FileDialogRequest::Kind::Open));
    if (!path) {
        return;
    }
    // A folder or a device has no size to read whole: only a regular file is a list file.
    QByteArray bytes;
    if (!QFileInfo(*path).isFile() || ReadWholeFile(*path, bytes) != 0) {
        ShowMessage(kStrAclFileError, 0, false);
        return;
    }
    const std::vector<AclEntry> clients = ParseAclListFile({bytes.constData(), std::size_t(bytes.size())});
    clients_->Store(clients);
    changeCount_ += std::int32_t(clients.size());
    RefreshButtons();
}

void AccessControlPage::OnExport() {
    const std::optional<QString> path = AskFileName(this, ListFileRequest(FileDialogRequest::Kind::Save));
    if (!path) {
        return;
    }
    const std::string text = FormatAclListFile(clients_->Entries());
    QString reason;
    if (!SaveFileAtomically(*path, QByteArrayView(text.data(), qsizetype(text.size())), reason)) {
        ShowMessage(kStrAclFileError, 0, false);
    }
}

void AccessControlPage::RefreshButtons() {
    EnableControl(this, access_control_page::kExportButton, clients_->rowCount() > 0);
    EnableControl(this, access_control_page::kRevertButton, changeCount_ > 0);
}

void AccessControlPage::SelectionChanged() {
    const bool selected = SelectedRow() >= 0;
    EnableControl(this, access_control_page::kEditButton, selected);
    EnableControl(this, access_control_page::kRemoveButton, selected);
}

int AccessControlPage::SelectedRow() const {
    const QModelIndexList rows = ui_->clientList->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}

} // namespace corvane
