#pragma once

#include "configwindow/settings_pages.h"

#include <QDialog>
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
class PropertySheet;

// The window in which one configuration is edited (template 134): a sheet of settings pages above "Cancel"
// and "Update", with menu 136. It keeps its own copy of the record it was opened on, so nothing it does
// reaches the caller's record. Closing it in any way destroys it at once, without a question, and it deletes
// itself.
class ConfigWindow : public QDialog {
    Q_OBJECT

public:
    // Copies `source` when given, else starts from the defaults.
    explicit ConfigWindow(const ConfigRecord* source = nullptr,
                          SettingsPageFactory makePages = MakeSettingsPages);
    ~ConfigWindow() override;

    // Makes a window on a copy of `source` (or the defaults) and shows it; the window owns itself from then
    // on.
    static ConfigWindow* Open(const ConfigRecord* source);

    // Title from the record's name, then every page reloads its controls.
    void Refresh();
    // Destroys the window: nothing is checked, saved or sent.
    void Destroy();

    ConfigRecord& Record() { return *record_; }
    PropertySheet& Sheet() { return *sheet_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void OnInitDialog();
    void OnCommand(int command);
    void UpdateMenuStates(QMenu* menu, int position);
    bool EncryptionOn() const;

    std::unique_ptr<Ui::ConfigWindowTemplate> ui_;
    QMenuBar* menuBar_ = nullptr;
    PropertySheet* sheet_ = nullptr;
    std::vector<ConfigPage*> pages_; // children of the sheet once it is set up
    std::unique_ptr<ConfigRecord> record_;
    bool initialised_ = false;
};

} // namespace corvane
