// SPDX-License-Identifier: Apache-2.0
// The configuration window shell: its own record, the sheet and its pages, title, menus, keys and closing.
#include "config/config_record.h"
#include "config_windows.h"
#include "configwindow/config_window.h"
#include "gui_test_case.h"
#include "modal_driver.h"
#include "pages/config_page.h"
#include "pages/property_sheet.h"
#include "resources/main_menu.h"
#include "strings/ids/config_window_controls.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/menu_commands.h"
#include "widgets/control_binding.h"
#include "widgets/control_error.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>

namespace corvane {

using namespace testing;

namespace {

// What the host did to its pages, in order.
QStringList journal;

class JournalPage : public ConfigPage {
public:
    JournalPage(const QString& name, QWidget* parent) : ConfigPage(0, parent), name_(name) {
        setWindowTitle(name);
    }
    void SetConfig(ConfigRecord* record) override {
        journal << name_ + ":SetConfig";
        ConfigPage::SetConfig(record);
    }
    void SetSheet(PropertySheet* pageSheet) override {
        journal << name_ + ":SetSheet";
        ConfigPage::SetSheet(pageSheet);
    }
    void OnSetActive() override { journal << name_ + ":active"; }
    void LoadSettings() override {
        journal << name_ + ":Load " + QString::fromStdString(configuration->syNm);
    }
    ConfigRecord* Record() const { return configuration; }

private:
    QString name_;
};

std::vector<ConfigPage*> ThreePages(QWidget* parent) {
    return {new JournalPage("A", parent), new JournalPage("B", parent), new JournalPage("C", parent)};
}

// A page whose controls cannot be loaded, as when its template lacks one.
class BrokenPage : public ConfigPage {
public:
    explicit BrokenPage(QWidget* parent) : ConfigPage(0, parent) {}
    void LoadSettings() override { throw ControlError{}; }
};

std::vector<ConfigPage*> BrokenPages(QWidget* parent) {
    return {new JournalPage("A", parent), new BrokenPage(parent)};
}

bool ItemEnabled(ConfigWindow& window, int position, int command) {
    QMenuBar* bar = window.findChild<QMenuBar*>();
    emit bar->actions().at(position)->menu()->aboutToShow();
    return FindMenuCommand(bar, command)->isEnabled();
}

ConfigRecord StationRecord(const char* name) {
    ConfigRecord record;
    record.stationAddress = 0x0A000102;
    record.syNm = name;
    return record;
}

} // namespace

class ConfigWindowTest : public testing::GuiTestCase {
    Q_OBJECT

private slots:
    void init() { journal.clear(); }
    void titleFollowsTheStationName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::newRow("unnamed") << QString() << QStringLiteral("Configure Base Station");
        QTest::newRow("named") << QStringLiteral("Home") << QStringLiteral("Configure \"Home\" Base Station");
        QTest::newRow("with a percent sign")
            << QStringLiteral("100%s") << QStringLiteral("Configure \"100%s\" Base Station");
    }
    void titleFollowsTheStationName() {
        QFETCH(QString, name);
        QFETCH(QString, title);
        ConfigRecord record;
        record.syNm = name.toStdString();
        ConfigWindow window(&record);
        window.show();
        QCOMPARE(window.windowTitle(), title);

        window.Record().syNm = "Imported";
        window.Refresh();
        QCOMPARE(window.windowTitle(), QStringLiteral("Configure \"Imported\" Base Station"));
    }

    void keepsItsOwnCopyOfTheRecord() {
        ConfigRecord source = StationRecord("Home");
        ConfigWindow first(&source);
        ConfigWindow second(&source);
        first.Record().syNm = "Edited";
        QCOMPARE(source.syNm, std::string("Home"));
        QCOMPARE(second.Record().syNm, std::string("Home"));
        QVERIFY(&first.Record() != &source);
        QCOMPARE(first.Record().stationAddress, source.stationAddress);
    }

    // The failure reaches the caller (the chooser reports it) and no window is left, shown or hidden.
    void aWindowWhoseSetUpFailsLeavesNothingBehind() {
        ConfigRecord source = StationRecord("Home");
        QVERIFY_THROWS_EXCEPTION(ControlError, ConfigWindow::Open(&source, {}, BrokenPages));
        QCoreApplication::processEvents();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY(qobject_cast<ConfigWindow*>(window) == nullptr);
        }
    }

    void setsUpEveryPageInOrderAndReturnsToTheFirst() {
        ConfigRecord source = StationRecord("Home");
        ConfigWindow window(&source, ThreePages);
        QCOMPARE(journal, (QStringList{"A:SetConfig", "B:SetConfig", "C:SetConfig"}));
        journal.clear();
        window.show();
        QCOMPARE(journal, (QStringList{"A:active", "A:SetSheet", "B:SetSheet", "C:SetSheet", "B:active",
                                       "C:active", "A:active", "A:Load Home", "B:Load Home", "C:Load Home"}));
        QCOMPARE(window.Sheet().count(), 3);
        QCOMPARE(window.Sheet().currentIndex(), 0);
        QCOMPARE(window.Sheet().tabText(1), QStringLiteral("B"));
        for (int index = 0; index < 3; ++index) {
            QCOMPARE(static_cast<JournalPage*>(window.Sheet().Page(index))->Record(), &window.Record());
        }
        // The sheet sits where the template keeps its place.
        QWidget* place = GetControl(&window, config_window::kSheetPlace);
        QVERIFY(place->isAncestorOf(&window.Sheet()));
        QCOMPARE(window.Sheet().geometry(), place->rect());
    }

    void updateAndTheStationCommandsNeedAStationAddress_data() {
        QTest::addColumn<bool>("fromStation");
        QTest::newRow("new configuration") << false;
        QTest::newRow("read from a station") << true;
    }
    void updateAndTheStationCommandsNeedAStationAddress() {
        QFETCH(bool, fromStation);
        const ConfigRecord source = fromStation ? StationRecord("Home") : ConfigRecord();
        ConfigWindow window(&source);
        window.show();
        QCOMPARE(GetControl(&window, kOk)->isEnabled(), fromStation);
        for (int command : {kMenuRestart, kMenuUploadSoftware, kMenuUploadDefaultSoftware}) {
            QCOMPARE(ItemEnabled(window, 1, command), fromStation);
        }
        for (int command : {kMenuChooseOther, kMenuRescan, kMenuEquivalentNetworkPassword}) {
            QVERIFY(!ItemEnabled(window, 1, command));
        }
        for (int command : {kMenuNewConfiguration, kMenuOpenConfigurationFile, kMenuExit}) {
            QVERIFY(!ItemEnabled(window, 0, command));
        }
        for (int command : {kMenuSaveAs, kMenuImportSettings, kMenuCloseWindow}) {
            QVERIFY(ItemEnabled(window, 0, command));
        }
    }

    void equivalentNetworkPasswordFollowsTheEncryptionBox() {
        ConfigRecord source = StationRecord("Home");
        source.raWM = kWep40;
        source.raWE = {1, 2, 3, 4, 5};
        ConfigWindow window(&source);
        window.show();
        QVERIFY(ItemEnabled(window, 1, kMenuEquivalentNetworkPassword));
        ClickControl(window.Sheet().Page(0), 1016); // encryption off: nothing asked
        QVERIFY(!ItemEnabled(window, 1, kMenuEquivalentNetworkPassword));
    }

    void pagesJoinTheSheetInHostOrder() {
        ConfigWindow window;
        window.show();
        const QStringList hostOrder = {"Corvane", "Internet", "Network", "Access Control", "Authentication"};
        QStringList tabs;
        for (int index = 0; index < window.Sheet().count(); ++index) {
            tabs << window.Sheet().tabText(index);
        }
        QStringList expected = hostOrder;
        expected.removeIf([&tabs](const QString& tab) { return !tabs.contains(tab); });
        QCOMPARE(tabs, expected);
        QVERIFY(tabs.contains("Corvane"));
    }

    void everyWayOfClosingDestroysTheWindowWithoutAQuestion_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Ctrl+W") << QStringLiteral("ctrl-w");
        QTest::newRow("Escape") << QStringLiteral("escape");
        QTest::newRow("Cancel") << QStringLiteral("cancel");
        QTest::newRow("close box") << QStringLiteral("close");
        QTest::newRow("Close Window") << QStringLiteral("menu");
    }
    void everyWayOfClosingDestroysTheWindowWithoutAQuestion() {
        QFETCH(QString, how);
        ConfigRecord source = StationRecord("Home");
        QPointer<ConfigWindow> window = new ConfigWindow(&source);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        window->Record().syNm = "Abandoned edit";
        if (how == "ctrl-w") {
            QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
        } else if (how == "escape") {
            QTest::keyClick(window, Qt::Key_Escape);
        } else if (how == "cancel") {
            ClickControl(window, kCancel);
        } else if (how == "close") {
            window->close();
        } else {
            FindMenuCommand(window->findChild<QMenuBar*>(), kMenuCloseWindow)->trigger();
        }
        QTRY_VERIFY(window == nullptr);
        QCOMPARE(source.syNm, std::string("Home"));
    }

    void aboutShowsTheAboutBox() {
        ConfigWindow window;
        window.show();
        QString title;
        OnNextModal([&](QDialog& dialog) {
            title = dialog.windowTitle();
            dialog.reject();
        });
        FindMenuCommand(window.findChild<QMenuBar*>(), kMenuAbout)->trigger();
        QCOMPARE(title, QStringLiteral("About Corvane Admin Utility"));
        QVERIFY(window.isVisible());
    }

    void theChoosersShortcutsDoNothingHere() {
        ConfigRecord source = StationRecord("Home");
        QPointer<ConfigWindow> window = new ConfigWindow(&source);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        for (Qt::Key key : {Qt::Key_N, Qt::Key_O, Qt::Key_R}) {
            QTest::keyClick(window, key, Qt::ControlModifier);
        }
        QCoreApplication::processEvents();
        QCOMPARE(OpenConfigWindows().size(), 1);
        QVERIFY(window != nullptr && window->isVisible());
        delete window.data();
    }
};

} // namespace corvane

QTEST_MAIN(corvane::ConfigWindowTest)
#include "config_window_test.moc"
