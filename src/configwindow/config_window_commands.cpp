// SPDX-License-Identifier: Apache-2.0
// The configuration window's commands: sending the edited configuration to its station, saving it to a file,
// importing settings from one, restarting the station and uploading software to it, and showing the network
// key as the hexadecimal password other wireless clients take, and listing what the edits changed.
#include "config/config_record.h"
#include "config/hex_text.h"
#include "configwindow/changes_dialog.h"
#include "configwindow/config_window.h"
#include "desktop/configuration_file.h"
#include "desktop/software_upload.h"
#include "pages/config_page.h"
#include "pages/corvane_page.h"
#include "rules/connection_rules.h"
#include "runner/operation_runner.h"
#include "strings/ids/network_page_controls.h"
#include "strings/ids/string_ids.h"
#include "strings/ids/template_ids.h"
#include "widgets/control_binding.h"
#include "widgets/messages.h"

namespace corvane {

bool ConfigWindow::StoreAllPages() {
    for (ConfigPage* page : pages_) {
        if (!page->SaveSettings()) {
            return false;
        }
    }
    return true;
}

bool ConfigWindow::ValidateAndStore() {
    for (ConfigPage* page : pages_) {
        if (!page->Validate()) {
            return false;
        }
    }
    if (!StoreAllPages()) {
        return false;
    }
    // What every page stored, across pages: how a PPP connection's addresses are shared.
    const RuleBreaks sharing = CheckPppSharing(*record_);
    if (!sharing.empty()) {
        const bool distribute = sharing.front().property == MakeTag("raDS");
        RefuseConnection(sharing.front().message,
                         distribute ? network_page::kDistributeAddresses : network_page::kShareSingleAddress);
        return false;
    }
    return true;
}

void ConfigWindow::RefuseConnection(StringId messageId, int control) {
    ShowMessage(messageId, 0, false);
    if (ConfigPage* network = PageOf(kTemplateNetworkPage)) {
        network->Reveal();
        FocusControl(network, control);
    }
}

void ConfigWindow::OnUpdate() {
    if (!ValidateAndStore()) {
        return;
    }
    FinishStationOperation(Runner().WriteConfiguration(*record_));
}

void ConfigWindow::FinishStationOperation(int status) {
    if (status != 0) {
        ReportStatus(kStrStationAccessError, status, false);
        return;
    }
    // The station restarts after a configuration write, a restart and an upload alike.
    if (link_.markRestarting) {
        link_.markRestarting(*record_);
    }
    Destroy();
}

void ConfigWindow::OnSaveAs() {
    if (!ValidateAndStore() || !StoreAllPages()) {
        return;
    }
    const std::optional<QString> path =
        AskFileName(this, ConfigurationFileRequest(FileDialogRequest::Kind::Save, record_->syNm));
    if (path && !WriteConfigurationFile(*path, *record_)) {
        ShowMessage(kStrConfigFileWriteError, 0, false);
    }
}

void ConfigWindow::OnImportSettings() {
    const std::optional<QString> path =
        AskFileName(this, ConfigurationFileRequest(FileDialogRequest::Kind::Open, ""));
    if (!path) {
        return;
    }
    // The file's properties replace the record's; its identity (station, password) stays, so "Update" still
    // goes to this window's station. Edits not yet stored by a page are replaced as well.
    if (!ReadConfigurationFile(*path, *record_)) {
        ShowMessage(kStrConfigFileReadError, 0, false);
        return;
    }
    Refresh();
}

void ConfigWindow::OnShowChanges() {
    // What the pages hold is what Update would send: checked and stored as it would be.
    if (!ValidateAndStore()) {
        return;
    }
    ChangesDialog changes(*original_, *record_, this);
    changes.exec();
}

void ConfigWindow::OnRestart() {
    if (ShowMessage(kStrConfirmRestart, 0, true) != 1) {
        return;
    }
    FinishStationOperation(Runner().RestartBaseStation(*record_));
}

void ConfigWindow::OnUploadSoftware() {
    if (ShowMessage(kStrConfirmUpload, 0, true) != 1) {
        return;
    }
    if (const std::optional<QString> path = AskSoftwareFile(this)) {
        FinishStationOperation(UploadImageFile(Runner(), *record_, *path));
    }
}

void ConfigWindow::OnUploadDefaultSoftware() {
    if (ShowMessage(kStrConfirmUpload, 0, true) != 1) {
        return;
    }
    FinishStationOperation(UploadDefaultImage(Runner(), *record_));
}

void ConfigWindow::OnEquivalentPassword() {
    const CorvanePage* wireless = WirelessPage();
    if (wireless == nullptr) {
        return;
    }
    // The key the page holds now, also one entered and not yet sent: 10 digits for 40 bits, 26 for 128.
    const std::vector<std::uint8_t>& key = wireless->NetworkKey();
    std::string hex(2 * key.size(), '\0');
    HexEncode(key, hex);
    ShowFormattedMessage(kStrEquivalentPasswordCaption, kStrEquivalentPasswordText, false, hex);
}

} // namespace corvane
