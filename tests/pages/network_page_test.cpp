// SPDX-License-Identifier: Apache-2.0
// The network page, the Port Mapping dialog and its Edit Port Mapping dialog, driven through their controls.
#include "config/config_record.h"
#include "gui_test_case.h"
#include "modal_driver.h"
#include "page_host.h"
#include "pages/network_page.h"
#include "pages/port_map_entry_dialog.h"
#include "pages/port_mapping_dialog.h"
#include "pages/property_sheet.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/network_page_controls.h"
#include "strings/ids/port_map_entry_controls.h"
#include "strings/ids/port_mapping_controls.h"
#include "strings/ids/string_ids.h"
#include "widgets/control_binding.h"
#include "widgets/ip_address_control.h"

#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QTest>
#include <QTreeWidget>
#include <memory>

namespace corvane {

using namespace testing;
using namespace network_page;

namespace {

constexpr int kMessageText = 1058;

// The text a button or label shows: mnemonics gone, a doubled ampersand shown as one.
QString Shown(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove('&').replace('\x01', '&');
}

// The next message is answered with OK; its text is kept.
struct Message {
    QString text;
    Message() {
        OnNextModal([this](QDialog& message) {
            text = TextOf(&message, kMessageText);
            ClickControl(&message, kOk);
        });
    }
};

using NetworkHost = PageHost<NetworkPage>;

ConfigRecord RangeRecord() {
    ConfigRecord record;
    record.raDS = 1;
    record.raNA = 0;
    record.dhBg = 0x0A000164; // 10.0.1.100
    record.dhEn = 0x0A0001C8; // 10.0.1.200
    record.dhLe = 7200;
    return record;
}

PortMapEntry Mapping(std::uint16_t publicPort, std::uint32_t address, std::uint16_t privatePort) {
    PortMapEntry entry;
    entry.publicPort = publicPort;
    entry.privateAddress = address;
    entry.privatePort = privatePort;
    return entry;
}

// Fills the Edit Port Mapping dialog and presses OK.
void EnterMapping(QDialog& dialog, const QString& publicPort, const QString& address,
                  const QString& privatePort) {
    TypeInto(&dialog, port_map_entry::kPublicPort, publicPort);
    TypeAddress(&dialog, port_map_entry::kPrivateAddress, address);
    TypeInto(&dialog, port_map_entry::kPrivatePort, privatePort);
    ClickControl(&dialog, port_map_entry::kOk);
}

QStringList Row(QTreeWidget* list, int row) {
    QStringList texts;
    for (int column = 0; column < list->columnCount(); ++column) {
        texts << list->topLevelItem(row)->text(column);
    }
    return texts;
}

} // namespace

class NetworkPageTest : public testing::GuiTestCase {
    Q_OBJECT

private slots:
    void templateHoldsItsTexts() {
        NetworkHost host;
        QCOMPARE(host.sheet.tabText(1), QStringLiteral("Network"));
        QCOMPARE(Shown(TextOf(host.page, kShareSingleAddress)),
                 QStringLiteral("Share a single IP address (using DHCP & NAT)"));
        QCOMPARE(Shown(TextOf(host.page, kShareRange)),
                 QStringLiteral("Share a range of IP addresses (using only DHCP)"));
        QCOMPARE(Shown(TextOf(host.page, kDistributeAddresses)), QStringLiteral("Distribute IP addresses"));
        const auto* units = qobject_cast<QComboBox*>(GetControl(host.page, kLeaseUnit));
        QCOMPARE(units->count(), 4);
        QCOMPARE(units->itemText(3), QStringLiteral("day(s)"));
        QVERIFY(LabelTexts(host.page).contains(
            "Settings in this section determine how this base station's Internet "
            "connection is shared with "
            "computers to its Corvane network."));
    }

    void enablingAndExplanationFollowTheChoices() {
        NetworkHost host(RangeRecord());
        const auto rangeEnabled = [&host] {
            return host.Enabled(kBeginning) && host.Enabled(kEnding) && host.Enabled(kBeginningLabel) &&
                   host.Enabled(kEndingLabel);
        };
        QVERIFY(rangeEnabled());
        QCOMPARE(TextOf(host.page, kExplanation), ResourceText(kStrExplainDhcpRange));

        ClickControl(host.page, kShareSingleAddress);
        QVERIFY(!rangeEnabled());
        QCOMPARE(GetCheck(host.page, kShareRange), int(kUnchecked));
        QCOMPARE(TextOf(host.page, kExplanation), ResourceText(kStrExplainNatDhcp));

        ClickControl(host.page, kShareRange);
        QVERIFY(rangeEnabled());

        ClickControl(host.page, kDistributeAddresses);
        QVERIFY(!rangeEnabled());
        for (int control : {kClientsLabel, kShareSingleAddress, kShareRange, kLeaseTimeLabel, kLeaseTime,
                            kLeaseUnit, kPortMapping}) {
            QVERIFY(!host.Enabled(control));
        }
        QCOMPARE(TextOf(host.page, kExplanation), ResourceText(kStrExplainBridge));

        ClickControl(host.page, kDistributeAddresses);
        QVERIFY(rangeEnabled());
        QVERIFY(host.Enabled(kPortMapping));
    }

    void leaseTimeLoadsInTheLargestUnitOfTwo_data() {
        QTest::addColumn<uint>("seconds");
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("unit");
        QTest::addColumn<uint>("stored");
        QTest::newRow("4 hours") << 14400u << "4" << 2 << 14400u;
        QTest::newRow("one day as 24 hours") << 86400u << "24" << 2 << 86400u;
        QTest::newRow("two days") << 172800u << "2" << 3 << 172800u;
        QTest::newRow("90 seconds") << 90u << "90" << 0 << 90u;
        QTest::newRow("0 seconds") << 0u << "0" << 0 << 0u;
        QTest::newRow("3 days 5 hours rounds to 3 days") << 277200u << "3" << 3 << 259200u;
        QTest::newRow("the longest lease") << 4294967295u << "49710" << 3 << 4294944000u;
    }
    void leaseTimeLoadsInTheLargestUnitOfTwo() {
        QFETCH(uint, seconds);
        QFETCH(QString, count);
        QFETCH(int, unit);
        QFETCH(uint, stored);
        ConfigRecord record;
        record.dhLe = seconds;
        NetworkHost host(record);
        QCOMPARE(TextOf(host.page, kLeaseTime), count);
        QCOMPARE(GetComboSelection(host.page, kLeaseUnit), unit);
        const ConfigRecord after = host.Stored();
        QCOMPARE(after.dhLe, std::uint32_t(stored));
        // Rounding to whole units is the only change a load and store makes.
        QCOMPARE(ChangedProperties(host.record, after),
                 stored == seconds ? QStringList() : QStringList{"dhLe"});
    }

    void changingTheUnitConvertsTheCount_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("shown");
        QTest::newRow("90 minutes to hours") << "90" << 1 << 2 << "1";
        QTest::newRow("30 seconds to minutes") << "30" << 0 << 1 << "1";
        QTest::newRow("2 days to seconds") << "2" << 3 << 0 << "172800";
        QTest::newRow("0 becomes 1") << "0" << 2 << 3 << "1";
        QTest::newRow("digits then letters") << "36h" << 2 << 3 << "1";
        QTest::newRow("beyond 32 bits, not wrapped") << "2147483647" << 3 << 0 << "185542587100800";
    }
    void changingTheUnitConvertsTheCount() {
        QFETCH(QString, count);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, shown);
        NetworkHost host;
        ChooseIn(host.page, kLeaseUnit, from);
        TypeInto(host.page, kLeaseTime, count);
        ChooseIn(host.page, kLeaseUnit, to);
        QCOMPARE(TextOf(host.page, kLeaseTime), shown);
        ChooseIn(host.page, kLeaseUnit, to); // the same unit again changes nothing
        QCOMPARE(TextOf(host.page, kLeaseTime), shown);
    }

    void leaseTimeIsChecked_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("message");
        QTest::addColumn<uint>("stored");
        QTest::newRow("9 minutes") << "9" << 1 << int(kStrLeaseTooShort) << 0u;
        QTest::newRow("10 minutes") << "10" << 1 << 0 << 600u;
        QTest::newRow("599 seconds") << "599" << 0 << int(kStrLeaseTooShort) << 0u;
        QTest::newRow("empty") << "" << 1 << int(kStrLeaseTooShort) << 0u;
        QTest::newRow("1h") << "1h" << 2 << int(kStrLeaseNotNumeric) << 0u;
        QTest::newRow("minus") << "-5" << 2 << int(kStrLeaseNotNumeric) << 0u;
        QTest::newRow("blank inside") << "1 0" << 2 << int(kStrLeaseNotNumeric) << 0u;
        QTest::newRow("49710 days fit") << "49710" << 3 << 0 << 4294944000u;
        QTest::newRow("49711 days do not fit") << "49711" << 3 << int(kStrLeaseTooShort) << 0u;
        QTest::newRow("24856 days: beyond signed 32 bits") << "24856" << 3 << 0 << 2147558400u;
        QTest::newRow("largest count of seconds") << "4294967295" << 0 << 0 << 4294967295u;
        QTest::newRow("one second more") << "4294967296" << 0 << int(kStrLeaseTooShort) << 0u;
        QTest::newRow("twenty digits") << "99999999999999999999" << 0 << int(kStrLeaseTooShort) << 0u;
    }
    void leaseTimeIsChecked() {
        QFETCH(QString, count);
        QFETCH(int, unit);
        QFETCH(int, message);
        QFETCH(uint, stored);
        ConfigRecord record;
        record.dhLe = 14400;
        NetworkHost host(record);
        ChooseIn(host.page, kLeaseUnit, unit);
        TypeInto(host.page, kLeaseTime, count);
        if (message != 0) {
            Message shown;
            QVERIFY(!host.page->Validate());
            QCOMPARE(shown.text, ResourceText(StringId(message)));
            QCOMPARE(host.sheet.currentWidget(), host.page);
            QCOMPARE(host.page->focusWidget(), GetControl(host.page, kLeaseTime));
            QCOMPARE(TextOf(host.page, kLeaseTime), count);
            QCOMPARE(host.record.dhLe, 14400u);
        } else {
            QVERIFY(host.page->Validate());
            QCOMPARE(host.Stored().dhLe, std::uint32_t(stored));
        }
    }

    void withoutDistributionNothingIsCheckedOrChanged() {
        NetworkHost host(RangeRecord());
        ClickControl(host.page, kShareSingleAddress);
        TypeInto(host.page, kLeaseTime, QStringLiteral("soon"));
        ClickControl(host.page, kDistributeAddresses);
        QVERIFY(host.page->Validate());
        const ConfigRecord stored = host.Stored();
        QCOMPARE(ChangedProperties(host.record, stored), QStringList({"raDS", "raWB"}));
        QCOMPARE(stored.raDS, std::uint8_t(0));
        QCOMPARE(stored.raWB, std::uint8_t(1));
    }

    void rangeAddressesAreStoredWhenGiven_data() {
        QTest::addColumn<QString>("beginning");
        QTest::addColumn<QString>("ending");
        QTest::addColumn<uint>("storedBeginning");
        QTest::addColumn<uint>("storedEnding");
        QTest::newRow("both typed") << "192.168.7.10"
                                    << "192.168.7.90" << 0xC0A8070Au << 0xC0A8075Au;
        QTest::newRow("beginning blank") << ""
                                         << "10.0.1.250" << 0x0A000164u << 0x0A0001FAu;
        QTest::newRow("ending all zero") << "10.0.1.2"
                                         << "0.0.0.0" << 0x0A000102u << 0x0A0001C8u;
        QTest::newRow("fields left blank count 0") << "10...1"
                                                   << "10.0.1.9" << 0x0A000001u << 0x0A000109u;
    }
    void rangeAddressesAreStoredWhenGiven() {
        QFETCH(QString, beginning);
        QFETCH(QString, ending);
        QFETCH(uint, storedBeginning);
        QFETCH(uint, storedEnding);
        NetworkHost host(RangeRecord());
        TypeAddress(host.page, kBeginning, beginning);
        TypeAddress(host.page, kEnding, ending);
        const ConfigRecord stored = host.Stored();
        QCOMPARE(stored.dhBg, std::uint32_t(storedBeginning));
        QCOMPARE(stored.dhEn, std::uint32_t(storedEnding));
        QCOMPARE(stored.raNA, std::uint8_t(0));
    }

    // Loaded again (Import Settings) from a record without a range, the controls show no address, so storing
    // cannot bring the previous record's range back.
    void aRangeAddressOf0LoadsBlank() {
        NetworkHost host(RangeRecord());
        ConfigRecord imported = RangeRecord();
        imported.dhBg = 0;
        imported.dhEn = 0;
        host.record = imported;
        host.page->LoadSettings();
        for (int id : {kBeginning, kEnding}) {
            QVERIFY(qobject_cast<IpAddressControl*>(GetControl(host.page, id))->IsBlank());
        }
        const ConfigRecord stored = host.Stored();
        QCOMPARE(stored.dhBg, 0u);
        QCOMPARE(stored.dhEn, 0u);
    }

    void sharingASingleAddressKeepsTheRange() {
        NetworkHost host(RangeRecord());
        TypeAddress(host.page, kBeginning, QStringLiteral("10.9.9.9"));
        ClickControl(host.page, kShareSingleAddress);
        const ConfigRecord stored = host.Stored();
        QCOMPARE(ChangedProperties(host.record, stored), QStringList({"raNA"}));
        QCOMPARE(stored.raNA, std::uint8_t(1));
    }

    void loadingAndStoringChangesNothing_data() {
        QTest::addColumn<bool>("unusual");
        QTest::newRow("default record") << false;
        QTest::newRow("unusual record") << true;
    }
    void loadingAndStoringChangesNothing() {
        QFETCH(bool, unusual);
        ConfigRecord record;
        if (unusual) {
            record = RangeRecord();
            record.dhBg = 0xFFFFFFFF;
            record.dhEn = 1;
            record.dhLe = 600;
            record.pmTa = {Mapping(80, 0x0A000102, 8080), Mapping(80, 0x0A000102, 8080)};
        }
        NetworkHost host(record);
        QCOMPARE(ChangedProperties(host.record, host.Stored()), QStringList());
    }

    void portMappingListShowsTheTable() {
        ConfigRecord record;
        record.pmTa = {Mapping(80, 0x0A000102, 8080), Mapping(65535, 0xC0A80001, 0)};
        OnNextModal([](QDialog& dialog) {
            auto* list = qobject_cast<QTreeWidget*>(GetControl(&dialog, port_mapping::kList));
            QCOMPARE(ColumnCaptions(list),
                     (QStringList{ResourceText(kStrColumnPublicPort), ResourceText(kStrColumnPrivateAddress),
                                  ResourceText(kStrColumnPrivatePort)}));
            QCOMPARE(list->columnWidth(1), 128);
            QVERIFY(!list->header()->sectionsClickable());
            QCOMPARE(Row(list, 0), QStringList({"80", "10.0.1.2", "8080"}));
            QCOMPARE(Row(list, 1), QStringList({"65535", "192.168.0.1", "0"}));
            QCOMPARE(list->currentItem(), list->topLevelItem(0));
            QVERIFY(GetControl(&dialog, port_mapping::kEdit)->isEnabled());
            ClickControl(&dialog, port_mapping::kDone);
        });
        NetworkHost host(record);
        ClickControl(host.page, kPortMapping);
    }

    void anEmptyTableLeavesEditAndRemoveDisabled() {
        ConfigRecord record;
        OnNextModal([](QDialog& dialog) {
            QVERIFY(!GetControl(&dialog, port_mapping::kEdit)->isEnabled());
            QVERIFY(!GetControl(&dialog, port_mapping::kRemove)->isEnabled());
            ClickControl(&dialog, port_mapping::kEdit); // nothing happens
            ClickControl(&dialog, port_mapping::kRemove);
            dialog.close();
        });
        PortMappingDialog dialog(&record);
        dialog.exec();
        QVERIFY(record.pmTa.empty());
    }

    void addingRefusesOnlyAnIdenticalMapping_data() {
        QTest::addColumn<QString>("publicPort");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("privatePort");
        QTest::addColumn<bool>("added");
        QTest::newRow("identical") << "80"
                                   << "10.0.1.2"
                                   << "8080" << false;
        QTest::newRow("other public port") << "81"
                                           << "10.0.1.2"
                                           << "8080" << true;
        QTest::newRow("identical modulo 65536") << "65616"
                                                << "10.0.1.2"
                                                << "8080" << false;
        QTest::newRow("other address") << "80"
                                       << "10.0.1.3"
                                       << "8080" << true;
    }
    void addingRefusesOnlyAnIdenticalMapping() {
        QFETCH(QString, publicPort);
        QFETCH(QString, address);
        QFETCH(QString, privatePort);
        QFETCH(bool, added);
        ConfigRecord record;
        record.pmTa = {Mapping(80, 0x0A000102, 8080)};
        QString refused;
        OnNextModal([&](QDialog& dialog) {
            OnNextModal([=](QDialog& entry) { EnterMapping(entry, publicPort, address, privatePort); });
            if (!added) {
                OnNextModal([&refused](QDialog& message) {
                    refused = TextOf(&message, kMessageText);
                    ClickControl(&message, kOk);
                });
            }
            ClickControl(&dialog, port_mapping::kAdd);
            auto* list = qobject_cast<QTreeWidget*>(GetControl(&dialog, port_mapping::kList));
            QCOMPARE(list->topLevelItemCount(), added ? 2 : 1);
            ClickControl(&dialog, port_mapping::kDone);
        });
        PortMappingDialog dialog(&record);
        dialog.exec();
        QCOMPARE(record.pmTa.size(), std::size_t(added ? 2 : 1));
        QCOMPARE(refused, added ? QString() : ResourceText(kStrDuplicatePortMapping));
    }

    // With two identical entries, editing the second must change the second: list and table agree.
    void editReplacesTheSelectedRowsEntry() {
        ConfigRecord record;
        record.pmTa = {Mapping(80, 0x0A000102, 8080), Mapping(80, 0x0A000102, 8080),
                       Mapping(21, 0x0A000109, 21)};
        QStringList rowsAfter;
        OnNextModal([&rowsAfter](QDialog& dialog) {
            auto* list = qobject_cast<QTreeWidget*>(GetControl(&dialog, port_mapping::kList));
            list->setCurrentItem(list->topLevelItem(1));
            OnNextModal([](QDialog& entry) {
                QCOMPARE(TextOf(&entry, port_map_entry::kPublicPort), QStringLiteral("80"));
                QCOMPARE(GetIPAddress(&entry, port_map_entry::kPrivateAddress), 0x0A000102u);
                EnterMapping(entry, "443", "10.0.1.4", "8443");
            });
            ClickControl(&dialog, port_mapping::kEdit);
            for (int row = 0; row < list->topLevelItemCount(); ++row) {
                rowsAfter << Row(list, row).join(' ');
            }
            ClickControl(&dialog, port_mapping::kDone);
        });
        PortMappingDialog dialog(&record);
        dialog.exec();
        QCOMPARE(rowsAfter, QStringList({"80 10.0.1.2 8080", "443 10.0.1.4 8443", "21 10.0.1.9 21"}));
        QVERIFY(record.pmTa[0] == Mapping(80, 0x0A000102, 8080));
        QVERIFY(record.pmTa[1] == Mapping(443, 0x0A000104, 8443));
    }

    void doubleClickEditsAndCancelChangesNothing() {
        ConfigRecord record;
        record.pmTa = {Mapping(80, 0x0A000102, 8080), Mapping(21, 0x0A000109, 21)};
        QString editedPort;
        OnNextModal([&editedPort](QDialog& dialog) {
            auto* list = qobject_cast<QTreeWidget*>(GetControl(&dialog, port_mapping::kList));
            OnNextModal([&editedPort](QDialog& entry) {
                editedPort = TextOf(&entry, port_map_entry::kPrivatePort);
                TypeInto(&entry, port_map_entry::kPublicPort, "99");
                ClickControl(&entry, port_map_entry::kCancel);
            });
            const QPoint cell = list->visualItemRect(list->topLevelItem(1)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell);
            QCOMPARE(Row(list, 1), QStringList({"21", "10.0.1.9", "21"}));
            ClickControl(&dialog, port_mapping::kDone);
        });
        const std::vector<PortMapEntry> before = record.pmTa;
        PortMappingDialog dialog(&record);
        dialog.exec();
        QCOMPARE(editedPort, QStringLiteral("21")); // the double-clicked row's entry was offered
        QVERIFY(record.pmTa == before);
    }

    void removeTakesTheSelectedRowAtOnce() {
        ConfigRecord record;
        record.pmTa = {Mapping(80, 1, 80), Mapping(81, 2, 81), Mapping(82, 3, 82)};
        OnNextModal([](QDialog& dialog) {
            auto* list = qobject_cast<QTreeWidget*>(GetControl(&dialog, port_mapping::kList));
            list->setCurrentItem(list->topLevelItem(1));
            ClickControl(&dialog, port_mapping::kRemove);
            QCOMPARE(list->topLevelItemCount(), 2);
            QCOMPARE(Row(list, 1).first(), QStringLiteral("82"));
            ClickControl(&dialog, port_mapping::kDone);
        });
        PortMappingDialog dialog(&record);
        dialog.exec();
        QVERIFY((record.pmTa == std::vector{Mapping(80, 1, 80), Mapping(82, 3, 82)}));
    }

    // After a removal nothing is selected: a second click on Remove takes nothing more.
    void aSecondRemoveClickRemovesNothing() {
        ConfigRecord record;
        record.pmTa = {Mapping(80, 1, 80), Mapping(81, 2, 81), Mapping(82, 3, 82)};
        OnNextModal([](QDialog& dialog) {
            auto* list = qobject_cast<QTreeWidget*>(GetControl(&dialog, port_mapping::kList));
            const QPoint cell = list->visualItemRect(list->topLevelItem(0)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell);
            ClickControl(&dialog, port_mapping::kRemove);
            QVERIFY(list->selectedItems().isEmpty());
            QVERIFY(!GetControl(&dialog, port_mapping::kEdit)->isEnabled());
            QVERIFY(!GetControl(&dialog, port_mapping::kRemove)->isEnabled());
            ClickControl(&dialog, port_mapping::kRemove);
            QCOMPARE(list->topLevelItemCount(), 2);
            ClickControl(&dialog, port_mapping::kDone);
        });
        PortMappingDialog dialog(&record);
        dialog.exec();
        QVERIFY((record.pmTa == std::vector{Mapping(81, 2, 81), Mapping(82, 3, 82)}));
    }

    void entryDialogRefusesBlankFields_data() {
        QTest::addColumn<QString>("publicPort");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("privatePort");
        QTest::newRow("public port empty") << ""
                                           << "10.0.1.2"
                                           << "80";
        QTest::newRow("address blank") << "80"
                                       << ""
                                       << "80";
        QTest::newRow("private port empty") << "80"
                                            << "10.0.1.2"
                                            << "";
    }
    void entryDialogRefusesBlankFields() {
        QFETCH(QString, publicPort);
        QFETCH(QString, address);
        QFETCH(QString, privatePort);
        QString shown;
        OnNextModal([&](QDialog& entry) {
            OnNextModal([&shown](QDialog& message) {
                shown = TextOf(&message, kMessageText);
                ClickControl(&message, kOk);
            });
            EnterMapping(entry, publicPort, address, privatePort);
            QVERIFY(entry.isVisible());
            ClickControl(&entry, port_map_entry::kCancel);
        });
        PortMapEntry mapping = Mapping(1, 2, 3);
        PortMapEntryDialog dialog;
        QVERIFY(!dialog.Add(mapping));
        QCOMPARE(shown, ResourceText(kStrFieldsBlank));
        QVERIFY(mapping == Mapping(1, 2, 3));
    }

    void entryDialogKeepsPortsModulo65536_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("port");
        QTest::newRow("70000") << "70000" << 4464;
        QTest::newRow("65536") << "65536" << 0;
        QTest::newRow("minus one") << "-1" << 65535;
        QTest::newRow("digits then letters") << "8080tcp" << 8080;
        QTest::newRow("letters") << "http" << 0;
    }
    void entryDialogKeepsPortsModulo65536() {
        QFETCH(QString, typed);
        QFETCH(int, port);
        OnNextModal([typed](QDialog& entry) { EnterMapping(entry, typed, "10.0.1.2", typed); });
        PortMapEntry mapping;
        PortMapEntryDialog dialog;
        QVERIFY(dialog.Add(mapping));
        QCOMPARE(int(mapping.publicPort), port);
        QCOMPARE(int(mapping.privatePort), port);
        QCOMPARE(mapping.privateAddress, 0x0A000102u);
    }
};

} // namespace corvane

QTEST_MAIN(corvane::NetworkPageTest)
#include "network_page_test.moc"
