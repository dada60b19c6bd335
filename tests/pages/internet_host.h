// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"
#include "page_host.h"
#include "pages/internet_page.h"

#include <QString>

class QComboBox;

namespace corvane::testing {

// The Internet page in a shown sheet behind a plain first page, loaded from a copy of `record`, with the
// connection types' sub-pages at hand.
class InternetHost {
public:
    explicit InternetHost(const ConfigRecord& record = ConfigRecord());

    PropertySheet& sheet() { return pages_.sheet; }
    ConfigRecord& record() { return pages_.record; }
    InternetPage& internet() { return *pages_.page; }
    ConfigPage* page(int connection) { return pages_.page->ConnectionPage(connection); }
    QComboBox& connectionType();

    // Chooses an entry of a drop-down list with the keyboard, as a user does.
    static void Choose(QWidget* dialog, int id, int index);
    // Clicks a tab of the nested sheet.
    void ClickConnectionTab(int connection);
    // The control that has the sheet's focus, as its id; 0 for none.
    int FocusedControl();

    // Validates and stores the Internet page as "Update" does: the record changes only when both pass.
    bool Store();

    // Answers the next message with OK and returns its text (empty when none shows before the call ends).
    static void ExpectMessage(QString& text);
    // Validates the Internet page. With `focused` 0 it must pass without a message; otherwise it must fail
    // with message 163, the Internet tab and the sub-page of `connection` in front and the focus on
    // `focused`.
    void CheckValidation(int connection, int focused);

private:
    PageHost<InternetPage> pages_;
};

} // namespace corvane::testing
