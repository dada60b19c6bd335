// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QTabWidget>

namespace corvane {

class ConfigPage;

// The tabbed sheet that hosts settings pages; it tells a page when it becomes the active one.
class PropertySheet : public QTabWidget {
    Q_OBJECT

public:
    explicit PropertySheet(QWidget* parent = nullptr);

    // Adds the page with its template's caption as tab text and gives it this sheet.
    void AddPage(ConfigPage* page);
    ConfigPage* Page(int index) const;
};

} // namespace corvane
