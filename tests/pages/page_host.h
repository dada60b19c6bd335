// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"
#include "pages/config_page.h"
#include "pages/property_sheet.h"
#include "widgets/control_binding.h"

#include <QComboBox>
#include <QStringList>

namespace corvane::testing {

// The tags ("raCh", "dhLe", ...) of the properties whose values differ between the two records, in catalogue
// order.
QStringList ChangedProperties(const ConfigRecord& before, const ConfigRecord& after);

// A settings page in a sheet behind another page, as the configuration window holds it, loaded from `record`.
template <typename Page> struct PageHost {
    ConfigRecord record;
    PropertySheet sheet;
    ConfigPage* front = new ConfigPage(0);
    Page* page = new Page;

    explicit PageHost(ConfigRecord loaded = {}) : record(std::move(loaded)) {
        sheet.AddPage(front);
        sheet.AddPage(page);
        page->SetConfig(&record);
        sheet.show();
        // Every page is made active once, as the configuration window does.
        sheet.setCurrentWidget(page);
        sheet.setCurrentWidget(front);
        page->LoadSettings();
    }

    // What the page stores into a copy of the record it loaded.
    ConfigRecord Stored() {
        ConfigRecord stored = record;
        page->SetConfig(&stored);
        page->SaveSettings();
        page->SetConfig(&record);
        return stored;
    }

    QStringList Entries(int id) const {
        QStringList entries;
        const auto* list = qobject_cast<QComboBox*>(GetControl(page, id));
        for (int i = 0; i < list->count(); ++i) {
            entries << list->itemText(i);
        }
        return entries;
    }

    bool Enabled(int id) const { return GetControl(page, id)->isEnabled(); }
};

} // namespace corvane::testing
