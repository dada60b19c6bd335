// SPDX-License-Identifier: Apache-2.0
#include "config/wan_connection.h"
#include "gui_test_case.h"
#include "internet_host.h"
#include "modal_driver.h"
#include "page_host.h"
#include "pages/property_sheet.h"
#include "strings/ids/aol_page_controls.h"
#include "strings/ids/ethernet_page_controls.h"
#include "strings/ids/internet_page_controls.h"
#include "strings/ids/modem_page_controls.h"
#include "strings/ids/pppoe_page_controls.h"
#include "strings/ids/string_ids.h"
#include "widgets/control_binding.h"

#include <QComboBox>
#include <QTest>

Q_DECLARE_METATYPE(corvane::ConfigRecord)

namespace corvane {

using namespace testing;

namespace {

using Connection = InternetPage::Connection;

ConfigRecord Describing(std::uint32_t waIn, std::uint32_t waCV, std::uint32_t moMF, std::uint32_t moMP) {
    ConfigRecord record;
    record.waIn = waIn;
    record.waCV = waCV;
    record.moMF = moMF;
    record.moMP = moMP;
    return record;
}

// A record of each kind with every property of that kind set to something other than its default.
ConfigRecord Dialup(std::uint32_t moMF, std::uint32_t moMP) {
    ConfigRecord record = Describing(kWanModem, kWanPpp, moMF, moMP);
    record.moPN = "555-0100";
    record.moAP = "555-0199";
    record.moUN = "dialer";
    record.moPW = "secret";
    record.moID = 1800;
    record.moCI = 22;
    record.moDT = 1;
    record.moPD = 1;
    record.moAD = 1;
    record.waIP = 0x0A000002;
    record.waSM = 0xFFFFFF00;
    record.waRA = 0x0A000001;
    record.waD1 = 0x08080808;
    record.waD2 = 0x08080404;
    record.waDN = "example.net";
    return record;
}

ConfigRecord Ethernet(std::uint32_t waCV) {
    ConfigRecord record = Dialup(0, kModemV90);
    record.waIn = kWanEthernet;
    record.waCV = waCV;
    record.waDC = "client-7";
    return record;
}

ConfigRecord Pppoe() {
    ConfigRecord record = Ethernet(kWanPpp);
    record.peUN = "customer";
    record.pePW = "pppoe-secret";
    record.peSN = "isp";
    record.peSC = 0;
    record.peAC = 1;
    record.peID = 900;
    return record;
}

} // namespace

class InternetPageTest : public testing::GuiTestCase {
    Q_OBJECT

private slots:
    void subPagesInIndexOrderWithTheirCaptions() {
        InternetHost host;
        const QStringList entries = {"Ethernet",
                                     "Modem (V.90)",
                                     "Modem (V.34)",
                                     "PPP over Ethernet (PPPoE)",
                                     "America Online (AOLnet, V.90)",
                                     "America Online (AOLnet, V.34)"};
        const QStringList tabs = {"Ethernet", "Modem V.90", "Modem V.34", "PPP over Ethernet (PPPoE)",
                                  "AOL V.90", "AOL V.34"};
        PropertySheet& sheet = host.internet().ConnectionSheet();
        QCOMPARE(host.sheet().tabText(1), QStringLiteral("Internet"));
        QCOMPARE(host.connectionType().count(), entries.size());
        QCOMPARE(sheet.count(), tabs.size());
        for (int index = 0; index < tabs.size(); ++index) {
            QCOMPARE(host.connectionType().itemText(index), entries[index]);
            QCOMPARE(sheet.tabText(index), tabs[index]);
            QCOMPARE(sheet.Page(index), host.page(index));
        }
        QCOMPARE(host.page(-1), nullptr);
        QCOMPARE(host.page(InternetPage::kConnectionCount), nullptr);
    }

    void recordChoosesTheConnection_data() {
        QTest::addColumn<ConfigRecord>("record");
        QTest::addColumn<int>("connection");
        QTest::newRow("defaults: Ethernet") << ConfigRecord() << int{InternetPage::kEthernet};
        QTest::newRow("Ethernet DHCP") << Describing(16, 0x300, 0, 1) << int{InternetPage::kEthernet};
        QTest::newRow("PPPoE 0x900") << Describing(16, 0x900, 0, 1) << int{InternetPage::kPppoe};
        QTest::newRow("PPPoE 0x800") << Describing(16, 0x800, 0, 1) << int{InternetPage::kPppoe};
        QTest::newRow("0x1900 is not PPPoE") << Describing(16, 0x1900, 0, 1) << int{InternetPage::kEthernet};
        QTest::newRow("0x100 alone is Ethernet")
            << Describing(16, 0x100, 0, 1) << int{InternetPage::kEthernet};
        QTest::newRow("Ethernet port ignores moMF")
            << Describing(16, 0x400, 1, 2) << int{InternetPage::kEthernet};
        QTest::newRow("modem V.90") << Describing(4, 0x900, 0, 1) << int{InternetPage::kModemV90};
        QTest::newRow("modem V.34 (2)") << Describing(4, 0x900, 0, 2) << int{InternetPage::kModemV34};
        QTest::newRow("modem V.34 (0)") << Describing(4, 0x400, 0, 0) << int{InternetPage::kModemV34};
        QTest::newRow("AOL V.90") << Describing(4, 0x900, 1, 1) << int{InternetPage::kAolV90};
        QTest::newRow("AOL V.34") << Describing(4, 0x900, 1, 0xFFFFFFFF) << int{InternetPage::kAolV34};
        QTest::newRow("AOL by bit 0 only") << Describing(4, 0x900, 3, 1) << int{InternetPage::kAolV90};
        QTest::newRow("other moMF bits: modem") << Describing(4, 0x900, 2, 1) << int{InternetPage::kModemV90};
    }

    void recordChoosesTheConnection() {
        QFETCH(ConfigRecord, record);
        QFETCH(int, connection);
        InternetHost host(record);
        QCOMPARE(host.internet().SelectedConnection(), connection);
        QCOMPARE(host.connectionType().currentIndex(), connection);
        QCOMPARE(host.internet().ConnectionSheet().currentIndex(), connection);
        // Loading reads the record and never writes it.
        QCOMPARE(ChangedProperties(record, host.record()), QStringList());
    }

    void listAndTabsKeepInStepBothWays() {
        InternetHost host;
        host.sheet().setCurrentIndex(1);
        PropertySheet& sheet = host.internet().ConnectionSheet();
        host.ClickConnectionTab(InternetPage::kAolV34);
        QCOMPARE(sheet.currentIndex(), int{InternetPage::kAolV34});
        QCOMPARE(host.connectionType().currentText(), QStringLiteral("America Online (AOLnet, V.34)"));
        InternetHost::Choose(&host.internet(), internet_page::kConnectionType, InternetPage::kEthernet);
        QCOMPARE(sheet.currentIndex(), int{InternetPage::kEthernet});
        QCOMPARE(sheet.tabText(sheet.currentIndex()), QStringLiteral("Ethernet"));
        InternetHost::Choose(&host.internet(), internet_page::kConnectionType, InternetPage::kPppoe);
        QCOMPARE(sheet.currentWidget(), host.page(InternetPage::kPppoe));
        host.ClickConnectionTab(InternetPage::kModemV90);
        QCOMPARE(host.internet().SelectedConnection(), int{InternetPage::kModemV90});
    }

    void revealOfASubPageBringsTheInternetTabFirst() {
        InternetHost host;
        QCOMPARE(host.sheet().currentIndex(), 0);
        host.page(InternetPage::kModemV34)->Reveal();
        QCOMPARE(host.sheet().currentWidget(), &host.internet());
        QCOMPARE(host.internet().ConnectionSheet().currentWidget(), host.page(InternetPage::kModemV34));
        QCOMPARE(host.internet().SelectedConnection(), int{InternetPage::kModemV34});
    }

    void onlyTheChosenConnectionIsChecked() {
        InternetHost host; // Ethernet, every dial-up field empty
        host.CheckValidation(InternetPage::kEthernet, 0);

        host.sheet().setCurrentIndex(0);
        InternetHost::Choose(&host.internet(), internet_page::kConnectionType, InternetPage::kModemV90);
        host.sheet().setCurrentIndex(0);
        host.CheckValidation(InternetPage::kModemV90, modem_page::kMainNumber);
    }

    void noChosenConnectionNeitherPassesNorStores() {
        InternetHost host;
        const ConfigRecord before = host.record();
        SetComboSelection(&host.internet(), internet_page::kConnectionType, -1);
        QVERIFY(!host.internet().Validate());
        QVERIFY(!host.internet().SaveSettings());
        QCOMPARE(ChangedProperties(before, host.record()), QStringList());
    }

    void onlyTheChosenConnectionIsStored() {
        InternetHost host(Pppoe());
        TypeInto(host.page(InternetPage::kModemV90), modem_page::kMainNumber, "555-0000");
        TypeInto(host.page(InternetPage::kAolV34), aol_page::kMainNumber, "555-1111");
        TypeInto(host.page(InternetPage::kEthernet), ethernet_page::kDhcpClientId, "dropped");
        TypeInto(host.page(InternetPage::kPppoe), pppoe_page::kServiceName, "kept");
        ConfigRecord expected = host.record();
        expected.peSN = "kept";
        QVERIFY(host.Store());
        QCOMPARE(ChangedProperties(expected, host.record()), QStringList());
    }

    void storingSetsTheKindOfConnection_data() {
        QTest::addColumn<ConfigRecord>("record");
        QTest::addColumn<int>("connection");
        QTest::addColumn<std::uint32_t>("waIn");
        QTest::addColumn<std::uint32_t>("waCV");
        QTest::addColumn<std::uint32_t>("moMF");
        QTest::addColumn<std::uint32_t>("moMP");
        const ConfigRecord pppoe = Pppoe();
        QTest::newRow("modem V.90 from PPPoE")
            << pppoe << int{InternetPage::kModemV90} << kWanModem << kWanPpp << 0u << kModemV90;
        QTest::newRow("modem V.34 from V.90")
            << pppoe << int{InternetPage::kModemV34} << kWanModem << kWanPpp << 0u << kModemV34;
        QTest::newRow("AOL V.90 from V.34 (7)")
            << Dialup(0, 7) << int{InternetPage::kAolV90} << kWanModem << kWanPpp << 1u << kModemV90;
        QTest::newRow("AOL V.34 keeps its own V.34 value")
            << Dialup(0, 7) << int{InternetPage::kAolV34} << kWanModem << kWanPpp << 1u << 7u;
        QTest::newRow("modem clears every flag")
            << Dialup(3, 1) << int{InternetPage::kModemV90} << kWanModem << kWanPpp << 0u << kModemV90;
        QTest::newRow("Ethernet leaves moMF and moMP")
            << Dialup(1, 5) << int{InternetPage::kEthernet} << kWanEthernet << kWanDhcp << 1u << 5u;
        QTest::newRow("PPPoE from AOL")
            << Dialup(1, 1) << int{InternetPage::kPppoe} << kWanEthernet << kWanPpp << 1u << kModemV90;
    }

    void storingSetsTheKindOfConnection() {
        QFETCH(ConfigRecord, record);
        QFETCH(int, connection);
        QFETCH(std::uint32_t, waIn);
        QFETCH(std::uint32_t, waCV);
        QFETCH(std::uint32_t, moMF);
        QFETCH(std::uint32_t, moMP);
        record.peUN = "customer"; // every connection complete, so that only the kind differs
        record.pePW = "pppoe-secret";
        InternetHost host(record);
        host.sheet().setCurrentIndex(1);
        InternetHost::Choose(&host.internet(), internet_page::kConnectionType, connection);
        QVERIFY(host.Store());
        QCOMPARE(host.record().waIn, waIn);
        QCOMPARE(host.record().waCV, waCV);
        QCOMPARE(host.record().moMF, moMF);
        QCOMPARE(host.record().moMP, moMP);

        // What was stored opens on the same entry.
        InternetHost reopened(host.record());
        QCOMPARE(reopened.internet().SelectedConnection(), connection);
    }

    // Pages load again when settings are imported: what the new record leaves unset must not keep the values
    // the previous record showed, or storing would bring them back.
    void loadingAgainKeepsNothingOfThePreviousRecord_data() {
        QTest::addColumn<ConfigRecord>("record");
        ConfigRecord pppoe = Describing(kWanEthernet, kWanPpp, 0, kModemV90);
        pppoe.peUN = "other";
        pppoe.pePW = "other-secret";
        ConfigRecord modem = Describing(kWanModem, kWanPpp, 0, kModemV90);
        modem.moPN = "555-0111";
        modem.moUN = "other";
        modem.moPW = "other-secret";
        QTest::newRow("Ethernet, manual") << Describing(kWanEthernet, kWanManual, 0, kModemV90);
        QTest::newRow("Ethernet, DHCP") << Describing(kWanEthernet, kWanDhcp, 0, kModemV90);
        QTest::newRow("PPPoE") << pppoe;
        QTest::newRow("modem") << modem;
    }

    void loadingAgainKeepsNothingOfThePreviousRecord() {
        QFETCH(ConfigRecord, record);
        const ConfigRecord previous[] = {Ethernet(kWanManual), Pppoe(), Dialup(0, kModemV90)};
        for (const ConfigRecord& shown : previous) {
            InternetHost host(shown);
            host.record() = record;
            host.internet().LoadSettings(); // as the window does after a read from the station
            QCOMPARE(TextOf(host.page(InternetPage::kPppoe), pppoe_page::kShownIpAddress),
                     QStringLiteral("<supplied by server>"));
            QCOMPARE(TextOf(host.page(InternetPage::kModemV90), modem_page::kShownSubnetMask),
                     QStringLiteral("<supplied by server>"));
            QVERIFY(host.Store());
            QCOMPARE(ChangedProperties(record, host.record()), QStringList());
        }
    }

    void eachKindComesBackUnchanged_data() {
        QTest::addColumn<ConfigRecord>("record");
        QTest::newRow("Ethernet, manual") << Ethernet(kWanManual);
        QTest::newRow("Ethernet, DHCP") << Ethernet(kWanDhcp);
        QTest::newRow("PPPoE") << Pppoe();
        QTest::newRow("modem V.90") << Dialup(0, kModemV90);
        QTest::newRow("modem V.34, own value") << Dialup(0, 3);
        QTest::newRow("AOL V.90") << Dialup(kModemAolFlag, kModemV90);
        QTest::newRow("AOL V.34") << Dialup(kModemAolFlag, kModemV34);
        ConfigRecord blank = Dialup(0, 0x80000000);
        blank.waIP = blank.waSM = blank.waRA = blank.waD1 = blank.waD2 = 0;
        blank.waDN.clear();
        QTest::newRow("modem V.34, no addresses") << blank;
    }

    void eachKindComesBackUnchanged() {
        QFETCH(ConfigRecord, record);
        InternetHost host(record);
        QVERIFY(host.Store());
        QCOMPARE(ChangedProperties(record, host.record()), QStringList());
    }
};

} // namespace corvane

QTEST_MAIN(corvane::InternetPageTest)
#include "internet_page_test.moc"
