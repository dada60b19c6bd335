// SPDX-License-Identifier: Apache-2.0
// Show Changes lists exactly what the real controls changed since the configuration was read: each property
// once, its value before and after, secrets masked, and nothing for an edit that came back to where it began.
#include "config/config_record.h"
#include "config_windows.h"
#include "configwindow/config_window.h"
#include "configwindow/settings_pages.h"
#include "modal_driver.h"
#include "pages/config_page.h"
#include "pages/property_sheet.h"
#include "strings/ids/access_control_page_controls.h"
#include "strings/ids/add_client_controls.h"
#include "strings/ids/corvane_page_controls.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/error_controls.h"
#include "strings/ids/menu_commands.h"
#include "strings/ids/network_password_controls.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTreeWidget>
#include <functional>

namespace corvane {

using namespace testing;

namespace {

constexpr int kCorvanePage = 0;
constexpr int kAccessControlPage = 3;

struct Shown {
    bool opened = false;
    QString heading;
    QStringList rows; // "TAG: BEFORE -> AFTER", the tag from the row's tool tip
};

// Runs Show Changes and reads the dialog, closed then with Escape.
Shown ShowChanges(ConfigWindow* window) {
    Shown shown;
    OnNextModal([&shown](QDialog& dialog) {
        shown.opened = true;
        shown.heading = dialog.findChild<QLabel*>()->text();
        if (auto* list = dialog.findChild<QTreeWidget*>()) {
            for (int i = 0; i < list->topLevelItemCount(); ++i) {
                const QTreeWidgetItem* item = list->topLevelItem(i);
                shown.rows
                    << QStringLiteral("%1: %2 -> %3").arg(item->toolTip(0), item->text(1), item->text(2));
            }
        }
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    RunMenuCommand(window, kMenuShowChanges);
    return shown;
}

void ChangeNetworkPassword(ConfigWindow* window, const QString& password) {
    OnNextModal([password](QDialog& dialog) {
        ChooseIn(&dialog, network_password::kKeySize, 0);
        TypeInto(&dialog, network_password::kNewPassword, password);
        TypeInto(&dialog, network_password::kConfirm, password);
        ClickControl(&dialog, network_password::kChange);
    });
    ClickControl(window->Sheet().Page(kCorvanePage), corvane_page::kChangeNetworkPassword);
}

void AddClient(ConfigWindow* window, const QString& id, const QString& description) {
    OnNextModal([id, description](QDialog& dialog) {
        TypeInto(&dialog, add_client::kCorvaneIdEdit, id);
        TypeInto(&dialog, add_client::kDescriptionEdit, description);
        ClickControl(&dialog, add_client::kOkButton);
    });
    ClickControl(window->Sheet().Page(kAccessControlPage), access_control_page::kAddButton);
}

} // namespace

class ShowChangesTest : public ConfigWindowTestCase {
    Q_OBJECT

private:
    static ConfigRecord Station() {
        ConfigRecord record;
        record.stationAddress = 0x0A000102;
        record.syNm = "Lobby";
        record.raNm = "Corvane";
        record.raCh = 3;
        return record;
    }

private slots:
    void listsWhatTheControlsChanged_data() {
        QTest::addColumn<std::function<void(ConfigWindow*)>>("edit");
        QTest::addColumn<QStringList>("rows");
        using Edit = std::function<void(ConfigWindow*)>;
        const auto page = [](ConfigWindow* window) { return window->Sheet().Page(kCorvanePage); };
        QTest::newRow("nothing") << Edit([](ConfigWindow*) {}) << QStringList{};
        QTest::newRow("station name, Windows-1252") << Edit([page](ConfigWindow* w) {
            TypeInto(page(w), corvane_page::kName, QStringLiteral("Café"));
        }) << QStringList{"syNm: \"Lobby\" -> \"Café\""};
        QTest::newRow("network name and channel") << Edit([page](ConfigWindow* w) {
            TypeInto(page(w), corvane_page::kNetworkName, QStringLiteral("Desk"));
            ChooseIn(page(w), corvane_page::kChannel, 5);
        }) << QStringList{"raNm: \"Corvane\" -> \"Desk\"", "raCh: 3 -> 6"};
        QTest::newRow("typed and typed back") << Edit([page](ConfigWindow* w) {
            TypeInto(page(w), corvane_page::kName, QStringLiteral("Hall"));
            TypeInto(page(w), corvane_page::kName, QStringLiteral("Lobby"));
        }) << QStringList{};
        QTest::newRow("network password, masked")
            << Edit([](ConfigWindow* w) { ChangeNetworkPassword(w, QStringLiteral("swallow")); })
            << QStringList{"raWM: 0 -> 1", "raWE: (hidden) -> (hidden)"};
        QTest::newRow("a client added") << Edit([](ConfigWindow* w) {
            AddClient(w, QStringLiteral("00:11:22:33:44:55"), QStringLiteral("Laptop"));
        }) << QStringList{"acTa: 0 entries -> 1 entry\n    00:11:22:33:44:55 \"Laptop\"", "acEn: 0 -> 1"};
    }
    void listsWhatTheControlsChanged() {
        QFETCH(std::function<void(ConfigWindow*)>, edit);
        QFETCH(QStringList, rows);
        const ConfigRecord source = Station();
        QPointer<ConfigWindow> window = new ConfigWindow(&source, MakeSettingsPages);
        window->show();
        edit(window);
        const Shown shown = ShowChanges(window);
        QVERIFY(shown.opened);
        QCOMPARE(shown.rows.join(QLatin1Char('\n')), rows.join(QLatin1Char('\n')));
        QVERIFY(shown.heading.startsWith(rows.isEmpty() ? QStringLiteral("No setting differs")
                                                        : QString::number(rows.size())));
        // Showing changes sends nothing and closes nothing.
        QVERIFY(window->isVisible());
    }

    // Changes are shown only for what Update would send: a page that refuses its input says why instead.
    void aRefusedInputIsToldNotListed() {
        const ConfigRecord source = Station();
        QPointer<ConfigWindow> window = new ConfigWindow(&source, MakeSettingsPages);
        window->show();
        TypeInto(window->Sheet().Page(kCorvanePage), corvane_page::kNetworkName, QStringLiteral("home_net"));
        bool told = false;
        OnNextModal([&told](QDialog& dialog) {
            told = !TextOf(&dialog, error::kMessage).isEmpty();
            ClickControl(&dialog, kOk);
        });
        RunMenuCommand(window, kMenuShowChanges);
        QVERIFY(told);
    }
};

} // namespace corvane

QTEST_MAIN(corvane::ShowChangesTest)
#include "show_changes_test.moc"
