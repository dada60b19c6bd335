// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "configwindow/settings_pages.h"
#include "strings/ids/string_ids.h"
#include "strings/ids/template_ids.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <vector>

class QMenu;
class QMenuBar;

namespace Ui {
class ConfigWindowTemplate;
}

namespace corvane {

class ConfigPage;
class ConfigRecord;
class CorvanePage;
class OperationRunner;
class PropertySheet;

// How a window reaches its base station and the chooser that lists it.
struct StationLink {
    OperationRunner* runner = nullptr; // null: the program's one runner
    // Starts the chooser's restart countdown for the record's station; empty when there is no chooser.
    std::function<void(const ConfigRecord& record)> markRestarting;
};

// The window in which one configuration is edited (template 134): a sheet of settings pages above "Cancel"
// and "Update", with menu 136. It keeps its own copy of the record it was opened on, so nothing it does
// reaches the caller's record. Closing it in any way destroys it at once, without a question, and it deletes
// itself.
class ConfigWindow : public QDialog {
    Q_OBJECT

public:
    // Copies `source` when given, else starts from the defaults.
    explicit ConfigWindow(const ConfigRecord* source = nullptr,
                          SettingsPageFactory makePages = MakeSettingsPages, StationLink link = {});
    ~ConfigWindow() override;

    // Makes a window on a copy of `source` (or the defaults) and shows it; the window owns itself from then
    // on. A set-up that fails (ControlError, std::bad_alloc) throws, and no window is left.
    static ConfigWindow* Open(const ConfigRecord* source, StationLink link = {},
                              SettingsPageFactory makePages = MakeSettingsPages);

    // Title from the record's name, then every page reloads its controls.
    void Refresh();
    // Destroys the window: nothing is checked, saved or sent.
    void Destroy();

    // Every page stores its controls into the record, in page order, up to the first that refuses.
    bool StoreAllPages();
    // Every page checks its controls, then stores them; then the rules that span pages. False, after telling
    // the user and showing the control concerned, when anything is wrong.
    bool ValidateAndStore();

    ConfigRecord& Record() { return *record_; }
    PropertySheet& Sheet() { return *sheet_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;
    // Enter and the "Update" button.
    void accept() override;

private:
    void OnInitDialog();
    void OnCommand(int command);
    void UpdateMenuStates(QMenu* menu, int position);
    bool EncryptionOn() const;
    const CorvanePage* WirelessPage() const;
    void FocusFirstField();
    ConfigPage* PageOf(TemplateId templateId) const;
    OperationRunner& Runner() const;

    // The commands (config_window_commands.cpp).
    void OnUpdate();
    void OnSaveAs();
    void OnImportSettings();
    void OnShowChanges();
    void OnRestart();
    void OnUploadSoftware();
    void OnUploadDefaultSoftware();
    void OnEquivalentPassword();
    // Refuses a PPP connection the network page's settings cannot serve: the message, then that page and
    // control in front.
    void RefuseConnection(StringId messageId, int control);
    // After a write, restart or upload: on success the chooser counts the station down and the window goes;
    // otherwise the failure's message, and the window stays with its edits.
    void FinishStationOperation(int status);

    std::unique_ptr<Ui::ConfigWindowTemplate> ui_;
    QMenuBar* menuBar_ = nullptr;
    PropertySheet* sheet_ = nullptr;
    std::vector<ConfigPage*> pages_; // children of the sheet once it is set up
    std::unique_ptr<ConfigRecord> record_;
    std::unique_ptr<const ConfigRecord> original_; // as read or opened: what Show Changes compares with
    StationLink link_;
    bool initialised_ = false;
};

} // namespace corvane
