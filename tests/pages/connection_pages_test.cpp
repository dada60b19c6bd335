// SPDX-License-Identifier: Apache-2.0
#include "config/wan_connection.h"
#include "gui_test_case.h"
#include "internet_host.h"
#include "modal_driver.h"
#include "pages/modem_page.h"
#include "pages/pppoe_page.h"
#include "pages/property_sheet.h"
#include "strings/ids/aol_page_controls.h"
#include "strings/ids/change_password_controls.h"
#include "strings/ids/ethernet_page_controls.h"
#include "strings/ids/internet_page_controls.h"
#include "strings/ids/modem_page_controls.h"
#include "strings/ids/pppoe_page_controls.h"
#include "strings/ids/string_ids.h"
#include "widgets/control_binding.h"
#include "widgets/ip_address_control.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QTest>

Q_DECLARE_METATYPE(corvane::ConfigRecord)

namespace corvane {

using namespace testing;

namespace {

constexpr int kDialUpPages[] = {InternetPage::kModemV90, InternetPage::kModemV34, InternetPage::kAolV90,
                                InternetPage::kAolV34};
const QString kSuppliedByServer = QStringLiteral("<supplied by server>");

bool Enabled(QWidget* page, int id) {
    return GetControl(page, id)->isEnabled();
}

bool Hidden(QWidget* page, int id) {
    return GetControl(page, id)->isHidden();
}

QComboBox* List(QWidget* page, int id) {
    return qobject_cast<QComboBox*>(GetControl(page, id));
}

// The country list of a dial-up sub-page.
int CountryControl(int connection) {
    return connection == InternetPage::kModemV90 || connection == InternetPage::kModemV34
               ? int{modem_page::kCountry}
               : int{aol_page::kCountry};
}

ConfigRecord PppoeAccount() {
    ConfigRecord record;
    record.waCV = kWanPpp;
    record.peUN = "customer";
    record.pePW = "pppoe-secret";
    return record;
}

ConfigRecord ModemAccount() {
    ConfigRecord record;
    record.waIn = kWanModem;
    record.waCV = kWanPpp;
    record.moPN = "555-0100";
    record.moUN = "dialer";
    record.moPW = "secret";
    return record;
}

// Runs "Change Password..." of a page and answers the dialog with `password` twice, or cancels it.
void ChangePassword(QWidget* page, int button, const QString& password, bool confirm) {
    OnNextModal([password, confirm](QDialog& dialog) {
        TypeInto(&dialog, change_password::kNewPassword, password);
        TypeInto(&dialog, change_password::kConfirmation, password);
        ClickControl(&dialog, confirm ? 1 : 2);
    });
    ClickControl(page, button);
}

} // namespace

class ConnectionPagesTest : public testing::GuiTestCase {
    Q_OBJECT

private slots:
    // Ethernet

    void dhcpDisablesTheAddressesAndShowsTheClientId() {
        ConfigRecord record;
        record.waCV = kWanDhcp;
        InternetHost host(record);
        QWidget* page = host.page(InternetPage::kEthernet);
        using namespace ethernet_page;
        const int addressFields[] = {kIpAddress,  kSubnetMask, kRouterAddress,
                                     kDnsServer1, kDnsServer2, kDomainName};
        QCOMPARE(List(page, kConfigureTcpIp)->currentText(), QStringLiteral("Using DHCP"));
        for (const int id : addressFields) {
            QVERIFY2(!Enabled(page, id), qPrintable(QString::number(id)));
        }
        QVERIFY(!Hidden(page, kDhcpClientIdLabel));
        QVERIFY(!Hidden(page, kDhcpClientId));
        QCOMPARE(TextOf(page, kDhcpClientIdLabel).remove(u'&'), QStringLiteral("DHCP Client ID:"));

        InternetHost::Choose(page, kConfigureTcpIp, kManually);
        for (const int id : addressFields) {
            QVERIFY2(Enabled(page, id), qPrintable(QString::number(id)));
        }
        QVERIFY(Hidden(page, kDhcpClientIdLabel));
        QVERIFY(Hidden(page, kDhcpClientId));
    }

    void dhcpKeepsTheRecordsAddresses() {
        ConfigRecord record;
        record.waCV = kWanManual;
        record.waIP = 0x0A000002;
        record.waSM = 0xFF000000;
        record.waRA = 0x0A000001;
        record.waD1 = 0x0A000003;
        record.waD2 = 0x0A000004;
        record.waDN = "lan.example";
        InternetHost host(record);
        QWidget* page = host.page(InternetPage::kEthernet);
        using namespace ethernet_page;
        QCOMPARE(GetIPAddress(page, kRouterAddress), 0x0A000001u);
        QCOMPARE(TextOf(page, kDomainName), QStringLiteral("lan.example"));
        TypeInto(page, kDomainName, "typed.example");
        qobject_cast<IpAddressControl*>(GetControl(page, kIpAddress))->SetAddress(0xC0A80001);
        InternetHost::Choose(page, kConfigureTcpIp, kUsingDhcp);
        TypeInto(page, kDhcpClientId, "client-9");
        QVERIFY(host.Store());
        QCOMPARE(host.record().waCV, kWanDhcp);
        QCOMPARE(host.record().waIn, kWanEthernet);
        QCOMPARE(host.record().waDC, std::string("client-9"));
        QCOMPARE(host.record().waIP, record.waIP);
        QCOMPARE(host.record().waSM, record.waSM);
        QCOMPARE(host.record().waRA, record.waRA);
        QCOMPARE(host.record().waD1, record.waD1);
        QCOMPARE(host.record().waD2, record.waD2);
        QCOMPARE(host.record().waDN, record.waDN);
    }

    void blankManualAddressesStoreZeros() {
        ConfigRecord record;
        record.waIP = record.waSM = record.waRA = record.waD1 = record.waD2 = 0x01020304;
        record.waDN = "old.example";
        InternetHost host(record);
        QWidget* page = host.page(InternetPage::kEthernet);
        using namespace ethernet_page;
        for (const int id : {kIpAddress, kSubnetMask, kRouterAddress, kDnsServer1, kDnsServer2}) {
            qobject_cast<IpAddressControl*>(GetControl(page, id))->Clear();
        }
        TypeInto(page, kDomainName, "");
        QVERIFY(host.Store());
        QCOMPARE(host.record().waCV, kWanManual);
        for (const std::uint32_t address : {host.record().waIP, host.record().waSM, host.record().waRA,
                                            host.record().waD1, host.record().waD2}) {
            QCOMPARE(address, 0u);
        }
        QCOMPARE(host.record().waDN, std::string());
    }

    // Idle lists of PPPoE, modem and AOL

    void idleTimesLoadAndStore_data() {
        QTest::addColumn<std::uint32_t>("seconds");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<std::uint32_t>("stored");
        QTest::newRow("never") << 0u << "Never" << 0u;
        QTest::newRow("first") << 10u << "10 seconds" << 10u;
        QTest::newRow("default 600") << 600u << "10 minutes" << 600u;
        QTest::newRow("900") << 900u << "15 minutes" << 900u;
        QTest::newRow("last timed") << 1800u << "30 minutes" << 1800u;
        QTest::newRow("45 is not listed") << 45u << "Never" << 0u;
        QTest::newRow("largest") << 0xFFFFFFFFu << "Never" << 0u;
    }

    void idleTimesLoadAndStore() {
        QFETCH(std::uint32_t, seconds);
        QFETCH(QString, entry);
        QFETCH(std::uint32_t, stored);
        struct Case {
            ConfigRecord record;
            int connection;
            int idleTime;
            std::uint32_t ConfigRecord::*value;
        };
        Case cases[] = {
            {PppoeAccount(), InternetPage::kPppoe, pppoe_page::kIdleTime, &ConfigRecord::peID},
            {ModemAccount(), InternetPage::kModemV90, modem_page::kIdleTime, &ConfigRecord::moID},
            {ModemAccount(), InternetPage::kAolV34, aol_page::kIdleTime, &ConfigRecord::moID},
        };
        for (Case& item : cases) {
            item.record.*item.value = seconds;
            item.record.moMF = item.connection == InternetPage::kAolV34 ? kModemAolFlag : 0;
            item.record.moMP = item.connection == InternetPage::kAolV34 ? kModemV34 : kModemV90;
            InternetHost host(item.record);
            QCOMPARE(host.internet().SelectedConnection(), item.connection);
            QCOMPARE(List(host.page(item.connection), item.idleTime)->currentText(), entry);
            QVERIFY(host.Store());
            QCOMPARE(host.record().*item.value, stored);
        }
    }

    void noIdleTimeSelectedStoresNever() {
        ConfigRecord record = PppoeAccount();
        record.peID = 300;
        InternetHost host(record);
        SetComboSelection(host.page(InternetPage::kPppoe), pppoe_page::kIdleTime, -1);
        QVERIFY(host.Store());
        QCOMPARE(host.record().peID, 0u);
    }

    // PPPoE

    void alwaysStayConnectedDisablesTheOnDemandControls() {
        ConfigRecord record = PppoeAccount();
        record.peSC = 1;
        record.peAC = 1;
        InternetHost host(record);
        host.page(InternetPage::kPppoe)->Reveal();
        QWidget* page = host.page(InternetPage::kPppoe);
        using namespace pppoe_page;
        const int onDemand[] = {kAutomaticallyConnect, kIdleTimeLabel, kIdleTime};
        for (const int id : onDemand) {
            QVERIFY(!Enabled(page, id));
        }
        ClickControl(page, kAlwaysStayConnected);
        for (const int id : onDemand) {
            QVERIFY(Enabled(page, id));
        }
        ClickControl(page, kAlwaysStayConnected);
        for (const int id : onDemand) {
            QVERIFY(!Enabled(page, id));
        }
        // "Automatically connect" is stored also while disabled.
        QVERIFY(host.Store());
        QCOMPARE(host.record().peSC, 1);
        QCOMPARE(host.record().peAC, 1);
    }

    void pppoeNeedsUserNameAndPassword_data() {
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("focused"); // 0: passes
        QTest::newRow("complete, no service name") << "customer"
                                                   << "secret" << 0;
        QTest::newRow("no user name") << ""
                                      << "secret" << int{pppoe_page::kUserName};
        QTest::newRow("no password") << "customer"
                                     << "" << int{pppoe_page::kChangePassword};
        QTest::newRow("neither: the user name first") << ""
                                                      << "" << int{pppoe_page::kUserName};
    }

    void pppoeNeedsUserNameAndPassword() {
        QFETCH(QString, userName);
        QFETCH(QString, password);
        QFETCH(int, focused);
        ConfigRecord record;
        record.waCV = kWanPpp;
        record.pePW = password.toStdString();
        InternetHost host(record);
        TypeInto(host.page(InternetPage::kPppoe), pppoe_page::kUserName, userName);
        host.sheet().setCurrentIndex(0);
        host.CheckValidation(InternetPage::kPppoe, focused);
    }

    void pppoePasswordChangesOnlyThroughTheDialog() {
        InternetHost host(PppoeAccount());
        auto* page = qobject_cast<PPPoEPage*>(host.page(InternetPage::kPppoe));
        ChangePassword(page, pppoe_page::kChangePassword, "renewed", false);
        QCOMPARE(page->PendingPassword(), std::string("pppoe-secret"));
        ChangePassword(page, pppoe_page::kChangePassword, "renewed", true);
        QCOMPARE(page->PendingPassword(), std::string("renewed"));
        QCOMPARE(host.record().pePW, std::string("pppoe-secret")); // until stored
        QVERIFY(host.Store());
        QCOMPARE(host.record().pePW, std::string("renewed"));
    }

    // Addresses a PPP server supplied: shown only, and only for the connection the record describes.
    void suppliedAddressesShowForTheirOwnConnection_data() {
        QTest::addColumn<ConfigRecord>("record");
        QTest::addColumn<int>("connection");
        QTest::addColumn<bool>("shown");
        ConfigRecord pppoe = PppoeAccount();
        ConfigRecord modem = ModemAccount();
        ConfigRecord aol = ModemAccount();
        aol.moMF = kModemAolFlag;
        ConfigRecord manual; // Ethernet with fixed addresses
        ConfigRecord modemOnEthernetPort = ModemAccount();
        modemOnEthernetPort.waIn = kWanEthernet;
        QTest::newRow("PPPoE on PPPoE") << pppoe << int{InternetPage::kPppoe} << true;
        QTest::newRow("modem on modem V.90") << modem << int{InternetPage::kModemV90} << true;
        QTest::newRow("modem on modem V.34") << modem << int{InternetPage::kModemV34} << true;
        QTest::newRow("AOL on modem") << aol << int{InternetPage::kModemV90} << false;
        QTest::newRow("manual on PPPoE") << manual << int{InternetPage::kPppoe} << false;
        QTest::newRow("manual on modem") << manual << int{InternetPage::kModemV90} << false;
        QTest::newRow("modem on PPPoE") << modem << int{InternetPage::kPppoe} << false;
        QTest::newRow("PPPoE on modem") << modemOnEthernetPort << int{InternetPage::kModemV34} << false;
    }

    void suppliedAddressesShowForTheirOwnConnection() {
        QFETCH(ConfigRecord, record);
        QFETCH(int, connection);
        QFETCH(bool, shown);
        record.waIP = 0; // not supplied
        record.waSM = 0xFFFFFF00;
        record.waRA = 0x0A000001;
        record.waD1 = 0x08080808;
        record.waD2 = 0;
        record.waDN = "isp.example";
        InternetHost host(record);
        QWidget* page = host.page(connection);
        const bool pppoe = connection == InternetPage::kPppoe;
        const int shownIp = pppoe ? int{pppoe_page::kShownIpAddress} : int{modem_page::kShownIpAddress};
        const int shownMask = pppoe ? int{pppoe_page::kShownSubnetMask} : int{modem_page::kShownSubnetMask};
        const int shownRouter =
            pppoe ? int{pppoe_page::kShownRouterAddress} : int{modem_page::kShownRouterAddress};
        const int dns1 = pppoe ? int{pppoe_page::kDnsServer1} : int{modem_page::kDnsServer1};
        const int dns2 = pppoe ? int{pppoe_page::kDnsServer2} : int{modem_page::kDnsServer2};
        const int domain = pppoe ? int{pppoe_page::kDomainName} : int{modem_page::kDomainName};
        QCOMPARE(TextOf(page, shownIp), kSuppliedByServer);
        QCOMPARE(TextOf(page, shownMask), shown ? QStringLiteral("255.255.255.0") : kSuppliedByServer);
        QCOMPARE(TextOf(page, shownRouter), shown ? QStringLiteral("10.0.0.1") : kSuppliedByServer);
        QCOMPARE(GetIPAddress(page, dns1), shown ? 0x08080808u : 0u);
        QVERIFY(qobject_cast<IpAddressControl*>(GetControl(page, dns2))->IsBlank());
        QCOMPARE(TextOf(page, domain), shown ? QStringLiteral("isp.example") : QString());
    }

    // Every edit of the sub-pages holds station text: Windows-1252, refusing what it cannot hold as it is
    // typed.
    void typedTextIsWindows1252() {
        InternetHost host(PppoeAccount());
        QWidget* page = host.page(InternetPage::kPppoe);
        TypeInto(page, pppoe_page::kUserName, QStringLiteral("Caf\u00E9\u263Es"));
        QCOMPARE(TextOf(page, pppoe_page::kUserName), QStringLiteral("Caf\u00E9s"));
        TypeInto(page, pppoe_page::kServiceName, QStringLiteral("\u20AC\u4E2D"));
        QVERIFY(host.Store());
        QCOMPARE(host.record().peUN, std::string("Caf\xE9s"));
        QCOMPARE(host.record().peSN, std::string("\x80"));
    }

    // Modem and AOL

    void countryListHoldsThirtySixEntriesAndADropDownOf200Pixels() {
        InternetHost host(ModemAccount());
        host.sheet().setCurrentIndex(1);
        for (const int connection : kDialUpPages) {
            host.page(connection)->Reveal();
            QComboBox* list = List(host.page(connection), CountryControl(connection));
            QCOMPARE(list->count(), 36);
            QCOMPARE(list->itemText(0), QStringLiteral("United States"));
            QCOMPARE(list->itemText(22), QStringLiteral("Japan"));
            QCOMPARE(list->itemText(35), QStringLiteral("Thailand (Same as US)"));
            list->showPopup();
            QTRY_VERIFY(list->view()->isVisible());
            QVERIFY2(list->view()->window()->width() >= 200,
                     qPrintable(QString::number(list->view()->width())));
            list->hidePopup();
        }
    }

    void everyDialUpPageShowsTheSameNumbersAndOptions() {
        ConfigRecord record = ModemAccount();
        record.moMF = kModemAolFlag;
        record.moAP = "555-0199";
        record.moCI = 22;
        record.moDT = 1;
        record.moAD = 1;
        InternetHost host(record);
        for (const int connection : kDialUpPages) {
            QWidget* page = host.page(connection);
            const bool modem = connection <= InternetPage::kModemV34;
            QCOMPARE(TextOf(page, modem ? int{modem_page::kMainNumber} : int{aol_page::kMainNumber}),
                     QStringLiteral("555-0100"));
            QCOMPARE(
                TextOf(page, modem ? int{modem_page::kAlternateNumber} : int{aol_page::kAlternateNumber}),
                QStringLiteral("555-0199"));
            QCOMPARE(List(page, CountryControl(connection))->currentText(), QStringLiteral("Japan"));
            QCOMPARE(
                GetCheck(page, modem ? int{modem_page::kIgnoreDialTone} : int{aol_page::kIgnoreDialTone}),
                int{kChecked});
            QCOMPARE(GetCheck(page, modem ? int{modem_page::kPulseDialing} : int{aol_page::kPulseDialing}),
                     int{kUnchecked});
            QCOMPARE(GetCheck(page, modem ? int{modem_page::kAutomaticallyDial}
                                          : int{aol_page::kAutomaticallyDial}),
                     int{kChecked});
        }
    }

    // A country outside the list loads with none selected; storing keeps the record's value rather than
    // writing the index of no entry.
    void aCountryOutsideTheListIsKept_data() {
        QTest::addColumn<std::uint32_t>("country");
        QTest::newRow("just past the list") << 36u;
        QTest::newRow("far past") << 1000u;
        QTest::newRow("all bits") << 0xFFFFFFFFu;
    }

    void aCountryOutsideTheListIsKept() {
        QFETCH(std::uint32_t, country);
        for (const int connection : kDialUpPages) {
            ConfigRecord record = ModemAccount();
            record.moCI = country;
            InternetHost host(record);
            host.sheet().setCurrentIndex(1);
            InternetHost::Choose(&host.internet(), internet_page::kConnectionType, connection);
            QCOMPARE(List(host.page(connection), CountryControl(connection))->currentIndex(), -1);
            QVERIFY(host.Store());
            QCOMPARE(host.record().moCI, country);
        }
    }

    void aChosenCountryStoresItsIndex() {
        for (const int connection : kDialUpPages) {
            InternetHost host(ModemAccount());
            host.sheet().setCurrentIndex(1);
            InternetHost::Choose(&host.internet(), internet_page::kConnectionType, connection);
            InternetHost::Choose(host.page(connection), CountryControl(connection), 35);
            QVERIFY(host.Store());
            QCOMPARE(host.record().moCI, 35u);
        }
    }

    void modemNeedsNumberUserNameAndPassword_data() {
        QTest::addColumn<QString>("mainNumber");
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("focused"); // 0: passes
        using namespace modem_page;
        QTest::newRow("complete, no alternate number") << "555-0100"
                                                       << "dialer"
                                                       << "secret" << 0;
        QTest::newRow("no main number") << ""
                                        << "dialer"
                                        << "secret" << int{kMainNumber};
        QTest::newRow("no user name") << "555-0100"
                                      << ""
                                      << "secret" << int{kUserName};
        QTest::newRow("no password") << "555-0100"
                                     << "dialer"
                                     << "" << int{kChangePassword};
        QTest::newRow("nothing: the main number first") << ""
                                                        << ""
                                                        << "" << int{kMainNumber};
    }

    void modemNeedsNumberUserNameAndPassword() {
        QFETCH(QString, mainNumber);
        QFETCH(QString, userName);
        QFETCH(QString, password);
        QFETCH(int, focused);
        for (const int connection : {int{InternetPage::kModemV90}, int{InternetPage::kModemV34}}) {
            ConfigRecord record = ModemAccount();
            record.moMP = connection == InternetPage::kModemV90 ? kModemV90 : kModemV34;
            record.moPW = password.toStdString();
            InternetHost host(record);
            TypeInto(host.page(connection), modem_page::kMainNumber, mainNumber);
            TypeInto(host.page(connection), modem_page::kUserName, userName);
            host.CheckValidation(connection, focused);
        }
    }

    void aolNeedsOnlyItsMainNumber() {
        ConfigRecord record;
        record.waIn = kWanModem;
        record.moMF = kModemAolFlag;
        InternetHost host(record); // no user name, no password
        host.CheckValidation(InternetPage::kAolV90, aol_page::kMainNumber);
        TypeInto(host.page(InternetPage::kAolV90), aol_page::kMainNumber, "555-0100");
        host.CheckValidation(InternetPage::kAolV90, 0);
    }

    void aolLeavesTheAccountAndAddressesAsTheRecordHasThem() {
        ConfigRecord record = ModemAccount();
        record.waD1 = 0x08080808;
        record.waDN = "isp.example";
        InternetHost host(record);
        QWidget* modem = host.page(InternetPage::kModemV90);
        TypeInto(modem, modem_page::kUserName, "typed");
        TypeInto(modem, modem_page::kDomainName, "typed.example");
        host.sheet().setCurrentIndex(1);
        InternetHost::Choose(&host.internet(), internet_page::kConnectionType, InternetPage::kAolV90);
        QVERIFY(host.Store());
        QCOMPARE(host.record().moMF & kModemAolFlag, kModemAolFlag);
        QCOMPARE(host.record().moUN, record.moUN);
        QCOMPARE(host.record().moPW, record.moPW);
        QCOMPARE(host.record().waD1, record.waD1);
        QCOMPARE(host.record().waDN, record.waDN);
    }

    void eachModemPageKeepsItsOwnPendingPassword() {
        InternetHost host(ModemAccount());
        auto* v90 = qobject_cast<ModemPage*>(host.page(InternetPage::kModemV90));
        auto* v34 = qobject_cast<ModemPage*>(host.page(InternetPage::kModemV34));
        ChangePassword(v90, modem_page::kChangePassword, "renewed", true);
        QCOMPARE(v90->PendingPassword(), std::string("renewed"));
        QCOMPARE(v34->PendingPassword(), std::string("secret"));
        ChangePassword(v34, modem_page::kChangePassword, "other", false);
        QCOMPARE(v34->PendingPassword(), std::string("secret"));

        host.sheet().setCurrentIndex(1);
        InternetHost::Choose(&host.internet(), internet_page::kConnectionType, InternetPage::kModemV34);
        QVERIFY(host.Store());
        QCOMPARE(host.record().moPW, std::string("secret"));
        InternetHost::Choose(&host.internet(), internet_page::kConnectionType, InternetPage::kModemV90);
        QVERIFY(host.Store());
        QCOMPARE(host.record().moPW, std::string("renewed"));
    }
};

} // namespace corvane

QTEST_MAIN(corvane::ConnectionPagesTest)
#include "connection_pages_test.moc"
