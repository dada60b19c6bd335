// SPDX-License-Identifier: Apache-2.0
// The loop the program exists for, as two processes in the private test network: this test is the utility
// (offscreen) in the client namespace, corvane-sim answers from the lan namespace and keeps each station's
// configuration in a file of the test's state directory. A station is configured from the chooser, edited in
// the real settings pages by typing and clicking, sent with "Update", counted down and listed again, and
// configured once more; a window's Save As is read back with corvane show, and Import Settings brings one
// station's saved settings to another.
#include "app/chooser_window.h"
#include "child_process.h"
#include "chooser_driver.h"
#include "config/config_record.h"
#include "config/hex_text.h"
#include "config/network_password.h"
#include "config/table_editing.h"
#include "config_windows.h"
#include "configwindow/config_window.h"
#include "desktop/configuration_file.h"
#include "fleet_test_case.h"
#include "modal_driver.h"
#include "page_host.h"
#include "pages/config_page.h"
#include "pages/property_sheet.h"
#include "protocol/dotted_quad.h"
#include "simulated_fleet.h"
#include "strings/ids/access_control_page_controls.h"
#include "strings/ids/add_client_controls.h"
#include "strings/ids/corvane_page_controls.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/error_controls.h"
#include "strings/ids/menu_commands.h"
#include "strings/ids/network_page_controls.h"
#include "strings/ids/network_password_controls.h"
#include "strings/ids/port_map_entry_controls.h"
#include "strings/ids/port_mapping_controls.h"
#include "strings/ids/string_ids.h"
#include "widgets/control_binding.h"
#include "widgets/file_dialog.h"

#include <QComboBox>
#include <QDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <memory>

namespace corvane {

using namespace testing;
using namespace e2e;

namespace {

constexpr int kEditedStation = 1;
constexpr int kOtherStation = 2;
constexpr int kStations = 2;
const QString kPassword = QStringLiteral("orchid");

// The pages of a configuration window, in sheet order.
enum Page : int { kWirelessPage = 0, kNetworkPage = 2, kAccessControlPage = 3 };

// What the loop changes, as typed, and as the station must then hold it.
struct Edits {
    QString name;
    QString channel;
    QString networkPassword;
    std::vector<std::uint8_t> key; // wire order
    PortMapEntry mapping;
    QString clientId;
    QString clientDescription;
};

const Edits kLoopEdits{
    QStringLiteral("Loop Station"),      QStringLiteral("6"),         QStringLiteral("$0A1b2C3d4E"),
    {0x0A, 0x1B, 0x2C, 0x3D, 0x4E},      {0x0A000103, 80, 8080}, // public port 8080 to 10.0.1.3, port 80
    QStringLiteral("02:00:00:00:00:09"), QStringLiteral("Lab laptop")};

// The tag list ChangedProperties gives for kLoopEdits, in catalogue order.
const QStringList kLoopTags{"syNm", "raWM", "raWE", "raCh", "pmTa", "acEn", "acTa"};

ConfigRecord StoredConfiguration(const QString& path) {
    ConfigRecord record;
    if (!ReadConfigurationFile(path, record)) {
        qWarning("cannot read %s", qPrintable(path));
    }
    return record;
}

// Brings the page to the front by clicking its tab.
QWidget* ShowPage(ConfigWindow* window, Page page) {
    QTabBar* tabs = window->Sheet().tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page).center());
    return window->Sheet().currentWidget();
}

void ChooseText(QWidget* page, int id, const QString& text) {
    auto* list = qobject_cast<QComboBox*>(GetControl(page, id));
    ChooseIn(page, id, list->findText(text));
}

// Makes every edit of `edits` in the window's pages, as the user would.
void EditInThePages(ConfigWindow* window, const Edits& edits) {
    QWidget* wireless = ShowPage(window, kWirelessPage);
    TypeInto(wireless, corvane_page::kName, edits.name);
    ChooseText(wireless, corvane_page::kChannel, edits.channel);
    OnNextModal([&edits](QDialog& dialog) {
        TypeInto(&dialog, network_password::kNewPassword, edits.networkPassword);
        TypeInto(&dialog, network_password::kConfirm, edits.networkPassword);
        ChooseIn(&dialog, network_password::kKeySize, edits.key.size() == kWep40KeySize ? 0 : 1);
        ClickControl(&dialog, network_password::kChange);
    });
    ClickControl(wireless, corvane_page::kChangeNetworkPassword);

    QWidget* network = ShowPage(window, kNetworkPage);
    OnNextModal([&edits](QDialog& mappings) {
        OnNextModal([&edits](QDialog& entry) {
            TypeInto(&entry, port_map_entry::kPublicPort, QString::number(edits.mapping.publicPort));
            TypeAddress(&entry, port_map_entry::kPrivateAddress,
                        QString::fromStdString(FormatDottedQuad(edits.mapping.privateAddress)));
            TypeInto(&entry, port_map_entry::kPrivatePort, QString::number(edits.mapping.privatePort));
            ClickControl(&entry, port_map_entry::kOk);
        });
        ClickControl(&mappings, port_mapping::kAdd);
        ClickControl(&mappings, port_mapping::kDone);
    });
    ClickControl(network, network_page::kPortMapping);

    QWidget* access = ShowPage(window, kAccessControlPage);
    OnNextModal([&edits](QDialog& client) {
        TypeInto(&client, add_client::kCorvaneIdEdit, edits.clientId);
        TypeInto(&client, add_client::kDescriptionEdit, edits.clientDescription);
        ClickControl(&client, add_client::kOkButton);
    });
    ClickControl(access, access_control_page::kAddButton);
}

// The station's configuration with the edits made: what it must hold after "Update".
ConfigRecord WithEdits(ConfigRecord record, const Edits& edits) {
    record.syNm = edits.name.toStdString();
    record.raCh = edits.channel.toUInt();
    record.raWM = edits.key.size() == kWep40KeySize ? kWep40 : kWep128;
    SetWepKey(record, edits.key);
    record.pmTa.push_back(edits.mapping);
    MacAddress id{};
    ParseMacAddress(edits.clientId.toStdString(), id);
    record.acTa.push_back(MakeAclEntry(id, edits.clientDescription.toStdString()));
    record.acEn = 1;
    return record;
}

// The network key the window would give other clients (Equivalent Network Password), as hexadecimal digits.
QString EquivalentPassword(ConfigWindow* window) {
    QString text;
    OnNextModal([&text](QDialog& message) {
        text = TextOf(&message, error::kMessage);
        ClickControl(&message, kOk);
    });
    RunMenuCommand(window, kMenuEquivalentNetworkPassword);
    return text.section(' ', -1);
}

// The rows of the port mapping dialog, each as "public|address|private".
QStringList PortMappingRows(ConfigWindow* window) {
    QStringList rows;
    OnNextModal([&rows](QDialog& mappings) {
        auto* list = qobject_cast<QTreeWidget*>(GetControl(&mappings, port_mapping::kList));
        for (int row = 0; row < list->topLevelItemCount(); ++row) {
            const QTreeWidgetItem* item = list->topLevelItem(row);
            rows << item->text(0) + "|" + item->text(1) + "|" + item->text(2);
        }
        ClickControl(&mappings, port_mapping::kDone);
    });
    ClickControl(ShowPage(window, kNetworkPage), network_page::kPortMapping);
    return rows;
}

// The rows of the access control list, each as "ID|description".
QStringList ClientRows(ConfigWindow* window) {
    auto* list = qobject_cast<QTreeView*>(
        GetControl(window->Sheet().Page(kAccessControlPage), access_control_page::kClientList));
    QStringList rows;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        rows << list->model()->index(row, 0).data().toString() + "|" +
                    list->model()->index(row, 1).data().toString();
    }
    return rows;
}

QString ComboText(QWidget* page, int id) {
    return qobject_cast<QComboBox*>(GetControl(page, id))->currentText();
}

} // namespace

class ConfigWindowLoopTest : public ChooserTestCase {
    Q_OBJECT

public:
    ConfigWindowLoopTest() : ChooserTestCase(kStations) {}

protected:
    void SetUpOnce() override { QVERIFY(filesDir_.isValid()); }

private slots:
    void editsInThePagesReachTheStationAndNothingElseChanges() {
        const ConfigRecord before = StoredConfiguration(StatePath(stateDir_.path(), kEditedStation));
        QPointer<ConfigWindow> window = ConfigureStation(*chooser_, kEditedStation, kPassword);
        QVERIFY(window != nullptr);
        EditInThePages(window, kLoopEdits);
        ClickControl(window, kOk);
        QTRY_VERIFY(window == nullptr);

        const ConfigRecord after = StoredConfiguration(StatePath(stateDir_.path(), kEditedStation));
        QCOMPARE(ChangedProperties(before, after), kLoopTags);
        QCOMPARE(ChangedProperties(WithEdits(before, kLoopEdits), after), QStringList());

        // The chooser counts the station down while it restarts, then scans afresh and lists it again.
        const int row = RowOf(*chooser_, kEditedStation);
        QTRY_VERIFY(CountdownStarted(*chooser_, row));
        QTRY_VERIFY_WITH_TIMEOUT(!chooser_->CountdownRunning(), kCountdownEndWaitMs);
        QVERIFY(WaitForStation(*chooser_, kEditedStation));
        QCOMPARE(RowText(*chooser_, RowOf(*chooser_, kEditedStation), 0), kLoopEdits.name);

        // Configured again, the pages show the edits.
        window = ConfigureStation(*chooser_, kEditedStation, kPassword);
        QVERIFY(window != nullptr);
        QCOMPARE(window->windowTitle(), QStringLiteral("Configure \"%1\" Base Station").arg(kLoopEdits.name));
        QWidget* wireless = window->Sheet().Page(kWirelessPage);
        QCOMPARE(TextOf(wireless, corvane_page::kName), kLoopEdits.name);
        QCOMPARE(ComboText(wireless, corvane_page::kChannel), kLoopEdits.channel);
        QCOMPARE(EquivalentPassword(window), QStringLiteral("0A1B2C3D4E"));
        QCOMPARE(PortMappingRows(window), QStringList{"8080|10.0.1.3|80"});
        QCOMPARE(ClientRows(window), QStringList{kLoopEdits.clientId + "|" + kLoopEdits.clientDescription});
    }

    void saveAsAgreesWithCorvaneShow() {
        QPointer<ConfigWindow> window = ConfigureStation(*chooser_, kEditedStation, kPassword);
        QVERIFY(window != nullptr);
        const QString path = filesDir_.filePath(QStringLiteral("edited.cfg"));
        SetFileDialogHook([&](const FileDialogRequest&) -> std::optional<QString> { return path; });
        RunMenuCommand(window, kMenuSaveAs);

        const Finished shown =
            RunProgram({CORVANE_CLI_PATH, "show", "--json", "--reveal-secrets", path.toStdString()});
        QCOMPARE(shown.exit, 0);
        const QJsonObject json = QJsonDocument::fromJson(QByteArray::fromStdString(shown.out)).object();
        QWidget* wireless = window->Sheet().Page(kWirelessPage);
        QCOMPARE(json["syNm"].toString(), TextOf(wireless, corvane_page::kName));
        QCOMPARE(json["syCt"].toString(), TextOf(wireless, corvane_page::kContact));
        QCOMPARE(json["syLo"].toString(), TextOf(wireless, corvane_page::kLocation));
        QCOMPARE(json["raNm"].toString(), TextOf(wireless, corvane_page::kNetworkName));
        QCOMPARE(QString::number(json["raCh"].toInt()), ComboText(wireless, corvane_page::kChannel));
        QCOMPARE(json["raWE"].toString(), EquivalentPassword(window));
        QStringList mappings;
        for (const QJsonValue mapping : json["pmTa"].toArray()) {
            mappings << QString::number(mapping["publicPort"].toInt()) + "|" +
                            mapping["privateAddress"].toString() + "|" +
                            QString::number(mapping["privatePort"].toInt());
        }
        QCOMPARE(mappings, PortMappingRows(window));
        QStringList clients;
        for (const QJsonValue client : json["acTa"].toArray()) {
            clients << client["corvaneId"].toString() + "|" + client["description"].toString();
        }
        QCOMPARE(clients, ClientRows(window));
    }

    // The settings come from the other station's file, the station stays the window's own.
    void importSettingsFromAnotherStationThenUpdateTheFirst() {
        const QString otherState = StatePath(stateDir_.path(), kOtherStation);
        const ConfigRecord other = StoredConfiguration(otherState);
        const QString saved = filesDir_.filePath(QStringLiteral("other.cfg"));
        SetFileDialogHook([&](const FileDialogRequest&) -> std::optional<QString> { return saved; });
        QPointer<ConfigWindow> window = ConfigureStation(*chooser_, kOtherStation, kPassword);
        QVERIFY(window != nullptr);
        RunMenuCommand(window, kMenuSaveAs);
        window->close();

        window = ConfigureStation(*chooser_, kEditedStation, kPassword);
        QVERIFY(window != nullptr);
        RunMenuCommand(window, kMenuImportSettings);
        QCOMPARE(window->windowTitle(),
                 QStringLiteral("Configure \"%1\" Base Station").arg(QString::fromStdString(other.syNm)));
        QCOMPARE(TextOf(window->Sheet().Page(kWirelessPage), corvane_page::kName),
                 QString::fromStdString(other.syNm));
        const int editedRow = RowOf(*chooser_, kEditedStation);
        const int otherRow = RowOf(*chooser_, kOtherStation);
        ClickControl(window, kOk);
        QTRY_VERIFY(window == nullptr);

        QCOMPARE(ChangedProperties(other, StoredConfiguration(StatePath(stateDir_.path(), kEditedStation))),
                 QStringList());
        QCOMPARE(ChangedProperties(other, StoredConfiguration(otherState)), QStringList());
        QTRY_VERIFY(CountdownStarted(*chooser_, editedRow));
        QCOMPARE(RowText(*chooser_, otherRow, 1), StationAddress(kOtherStation));
    }

private:
    QTemporaryDir filesDir_;
};

} // namespace corvane

QTEST_MAIN(corvane::ConfigWindowLoopTest)
#include "config_window_loop_e2e_test.moc"
