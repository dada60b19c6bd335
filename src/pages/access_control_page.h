// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "pages/config_page.h"

#include <cstdint>
#include <memory>

namespace Ui {
class AccessControlTemplate;
}

namespace corvane {

class AclListModel;

// "Access Control" (template 141): the wireless clients admitted by Corvane ID. The page edits its own copy
// of the list, which reaches the record only in SaveSettings; Revert goes back to the stored list. The list
// is exchanged with tab-delimited text files through Import and Export.
class AccessControlPage : public ConfigPage {
    Q_OBJECT

public:
    explicit AccessControlPage(QWidget* parent = nullptr);
    ~AccessControlPage() override;

    bool SaveSettings() override;
    void LoadSettings() override;

private:
    void OnAdd();
    void OnEdit();
    void OnRemove();
    void OnImport();
    void OnExport();
    // Export follows the list's rows, Revert the change count.
    void RefreshButtons();
    // Edit and Remove follow the selection.
    void SelectionChanged();
    int SelectedRow() const; // -1 when none

    std::unique_ptr<Ui::AccessControlTemplate> ui_;
    AclListModel* clients_ = nullptr;
    std::int32_t changeCount_ = 0;
};

} // namespace corvane
