#pragma once

#include "config/config_record.h"
#include "pages/internet_page.h"

#include <QString>
#include <memory>

class QComboBox;

namespace corvane {
class ConfigWindow;
}

namespace corvane::testing {

// A shown configuration window whose sheet holds a plain first page ("Corvane") and the Internet page, loaded
// from a copy of `record`.
class InternetHost {
public:
    explicit InternetHost(const ConfigRecord& record = ConfigRecord());
    ~InternetHost();

    ConfigWindow& window() { return *window_; }
    ConfigRecord& record();
    InternetPage& internet() { return *internet_; }
    ConfigPage* page(int connection) { return internet_->ConnectionPage(connection); }
    QComboBox& connectionType();

    // Chooses an entry of a drop-down list with the keyboard, as a user does.
    static void Choose(QWidget* dialog, int id, int index);
    // Clicks a tab of the nested sheet.
    void ClickConnectionTab(int connection);
    // The control that has the window's focus, as its id; 0 for none.
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
    std::unique_ptr<ConfigWindow> window_;
    InternetPage* internet_ = nullptr;
};

} // namespace corvane::testing
