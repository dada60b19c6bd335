// SPDX-License-Identifier: Apache-2.0
#include "pages/property_sheet.h"

#include "pages/config_page.h"

namespace corvane {

PropertySheet::PropertySheet(QWidget* parent) : QTabWidget(parent) {
    connect(this, &QTabWidget::currentChanged, this, [this](int index) {
        if (ConfigPage* page = Page(index)) {
            page->OnSetActive();
        }
    });
}

void PropertySheet::AddPage(ConfigPage* page) {
    addTab(page, page->windowTitle());
    page->SetSheet(this);
}

ConfigPage* PropertySheet::Page(int index) const {
    return qobject_cast<ConfigPage*>(widget(index));
}

} // namespace corvane
