// SPDX-License-Identifier: Apache-2.0
// The Authentication page through its controls: the RADIUS bit of both flag words, the enabling of the server
// controls, addresses kept when blank, ports read as numbers.
#include "config/config_record.h"
#include "gui_test_case.h"
#include "modal_driver.h"
#include "page_host.h"
#include "pages/authentication_page.h"
#include "strings/ids/authentication_page_controls.h"
#include "widgets/control_binding.h"
#include "widgets/ip_address_control.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

namespace corvane {

using namespace testing;
using namespace authentication_page;

namespace {

constexpr int kServerControls[] = {kPrimaryGroup,         kPrimaryAddressLabel, kPrimaryAddress,
                                   kPrimaryPortLabel,     kPrimaryPortEdit,     kPrimarySecretLabel,
                                   kPrimarySecretEdit,    kSecondaryGroup,      kSecondaryAddressLabel,
                                   kSecondaryAddress,     kSecondaryPortLabel,  kSecondaryPortEdit,
                                   kSecondarySecretLabel, kSecondarySecretEdit};

struct RadiusHost {
    ConfigRecord record;
    AuthenticationPage page;

    explicit RadiusHost(const ConfigRecord& from = {}) : record(from) {
        page.SetConfig(&record);
        page.show();
        page.LoadSettings();
    }
    bool Checked() { return GetCheck(&page, kUseRadiusCheck) == kChecked; }
    void ClickSwitch() { QTest::mouseClick(GetControl(&page, kUseRadiusCheck), Qt::LeftButton); }
    // Types a dotted address into the fields of an address control, one number a field.
    void TypeAddress(int id, const QString& dotted) {
        const QList<QLineEdit*> fields = GetControl(&page, id)->findChildren<QLineEdit*>();
        const QStringList numbers = dotted.split('.');
        for (qsizetype i = 0; i < fields.size() && i < numbers.size(); ++i) {
            QTest::keyClicks(fields[i], numbers[i]);
        }
    }
    // Empties every field of an address control as the user would, with the keyboard.
    void Blank(int id) {
        for (QLineEdit* field : GetControl(&page, id)->findChildren<QLineEdit*>()) {
            field->setFocus();
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Delete);
        }
    }
};

// Both servers, with RADIUS on so that their controls take typing.
ConfigRecord Servers() {
    ConfigRecord record;
    record.raFl = 1;
    record.raI1 = 0x0A000105; // 10.0.1.5
    record.raAu = 1812;
    record.raSe = "primary secret";
    record.raI2 = 0xC0A80102; // 192.168.1.2
    record.raU2 = 1645;
    record.raS2 = "second";
    return record;
}

} // namespace

class AuthenticationPageTest : public testing::GuiTestCase {
    Q_OBJECT

private slots:
    void theSwitchShowsBitZeroOfEitherFlagWord_data() {
        QTest::addColumn<quint32>("raFl");
        QTest::addColumn<quint32>("raF2");
        QTest::addColumn<bool>("checked");
        QTest::newRow("neither") << 0u << 0u << false;
        QTest::newRow("primary only") << 1u << 0u << true;
        QTest::newRow("secondary only") << 0u << 1u << true;
        QTest::newRow("other bits only") << 0xFFFFFFFEu << 0x80000000u << false;
    }
    void theSwitchShowsBitZeroOfEitherFlagWord() {
        QFETCH(quint32, raFl);
        QFETCH(quint32, raF2);
        QFETCH(bool, checked);
        ConfigRecord record;
        record.raFl = raFl;
        record.raF2 = raF2;
        RadiusHost host(record);
        QCOMPARE(host.Checked(), checked);
        for (int id : kServerControls) {
            QCOMPARE(GetControl(&host.page, id)->isEnabled(), checked);
        }
    }

    void storingSetsOrClearsBitZeroOfBothAndKeepsTheOthers_data() {
        QTest::addColumn<quint32>("raFl");
        QTest::addColumn<quint32>("raF2");
        QTest::addColumn<bool>("click"); // the switch once, between loading and storing
        QTest::addColumn<quint32>("storedFl");
        QTest::addColumn<quint32>("storedF2");
        QTest::newRow("on only in raF2, stored on in both") << 0x0u << 0x1u << false << 0x1u << 0x1u;
        QTest::newRow("on only in raF2, turned off") << 0xF0u << 0x1u << true << 0xF0u << 0x0u;
        QTest::newRow("all bits, turned off")
            << 0xFFFFFFFFu << 0x80000001u << true << 0xFFFFFFFEu << 0x80000000u;
        QTest::newRow("off, turned on") << 0x10u << 0x8000u << true << 0x11u << 0x8001u;
    }
    void storingSetsOrClearsBitZeroOfBothAndKeepsTheOthers() {
        QFETCH(quint32, raFl);
        QFETCH(quint32, raF2);
        QFETCH(bool, click);
        QFETCH(quint32, storedFl);
        QFETCH(quint32, storedF2);
        ConfigRecord record;
        record.raFl = raFl;
        record.raF2 = raF2;
        RadiusHost host(record);
        if (click) {
            host.ClickSwitch();
        }
        QVERIFY(host.page.SaveSettings());
        QCOMPARE(host.record.raFl, storedFl);
        QCOMPARE(host.record.raF2, storedF2);
    }

    void clickingTheSwitchEnablesTheServers() {
        RadiusHost host;
        host.ClickSwitch();
        for (int id : kServerControls) {
            QVERIFY(GetControl(&host.page, id)->isEnabled());
        }
        host.ClickSwitch();
        for (int id : kServerControls) {
            QVERIFY(!GetControl(&host.page, id)->isEnabled());
        }
    }

    void serversAreStoredAlsoWhileTheSwitchIsOff() {
        RadiusHost host;
        host.ClickSwitch();
        host.TypeAddress(kPrimaryAddress, "10.0.1.9");
        TypeInto(&host.page, kPrimaryPortEdit, "1812");
        TypeInto(&host.page, kPrimarySecretEdit, "s3cret with spaces");
        TypeInto(&host.page, kSecondaryPortEdit, "1645");
        TypeInto(&host.page, kSecondarySecretEdit, "other");
        host.ClickSwitch();
        QVERIFY(host.page.SaveSettings());
        QCOMPARE(host.record.raFl & 1u, 0u);
        QCOMPARE(host.record.raI1, 0x0A000109u);
        QCOMPARE(host.record.raAu, 1812u);
        QCOMPARE(host.record.raSe, std::string("s3cret with spaces"));
        QCOMPARE(host.record.raI2, 0u);
        QCOMPARE(host.record.raU2, 1645u);
        QCOMPARE(host.record.raS2, std::string("other"));
    }

    void aBlankAddressKeepsTheStoredOne() {
        RadiusHost host(Servers());
        host.Blank(kPrimaryAddress);
        host.Blank(kSecondaryAddress);
        QVERIFY(qobject_cast<IpAddressControl*>(GetControl(&host.page, kPrimaryAddress))->IsBlank());
        QVERIFY(host.page.SaveSettings());
        QCOMPARE(host.record.raI1, 0x0A000105u);
        QCOMPARE(host.record.raI2, 0xC0A80102u);
        // Loaded again (Import Settings) from a record without servers, the controls show no address, so
        // storing cannot bring the previous station's servers back.
        ConfigRecord other = Servers();
        RadiusHost shown(other);
        shown.record = ConfigRecord();
        shown.page.LoadSettings();
        QVERIFY(qobject_cast<IpAddressControl*>(GetControl(&shown.page, kPrimaryAddress))->IsBlank());
        QVERIFY(shown.page.SaveSettings());
        QCOMPARE(shown.record.raI1, 0u);
        QCOMPARE(shown.record.raI2, 0u);
    }

    void portsAreReadAsNumbers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<quint32>("stored");
        QTest::newRow("digits") << "1812" << 1812u;
        QTest::newRow("letters") << "radius" << 0u;
        QTest::newRow("digits then letters") << "12ab" << 12u;
        QTest::newRow("empty") << "" << 0u;
        QTest::newRow("minus five") << "-5" << 0xFFFFFFFBu;
        QTest::newRow("leading blanks") << "  80" << 80u;
    }
    void portsAreReadAsNumbers() {
        QFETCH(QString, typed);
        QFETCH(quint32, stored);
        RadiusHost host(Servers());
        TypeInto(&host.page, kPrimaryPortEdit, typed);
        TypeInto(&host.page, kSecondaryPortEdit, typed);
        QVERIFY(host.page.SaveSettings());
        QCOMPARE(host.record.raAu, stored);
        QCOMPARE(host.record.raU2, stored);
    }

    void portsLoadAsSignedNumbers() {
        ConfigRecord record;
        record.raAu = 0;
        record.raU2 = 0xFFFFFFFF;
        RadiusHost host(record);
        QCOMPARE(TextOf(&host.page, kPrimaryPortEdit), QStringLiteral("0"));
        QCOMPARE(TextOf(&host.page, kSecondaryPortEdit), QStringLiteral("-1"));
    }

    void loadingAndSavingWithoutAnEditLeavesTheRecordAlone() {
        ConfigRecord withServers = Servers();
        withServers.raFl = 0x80000001;
        withServers.raF2 = 0x7;
        ConfigRecord extremes;
        extremes.raFl = 0xFFFFFFFE;
        extremes.raAu = 0xFFFFFFFF;
        extremes.raU2 = 0x80000000;
        extremes.raSe = " padded ";
        extremes.raI2 = 0xFFFFFFFF;
        for (const ConfigRecord& record : {ConfigRecord(), withServers, extremes}) {
            RadiusHost host(record);
            QVERIFY(host.page.SaveSettings());
            QCOMPARE(ChangedProperties(record, host.record), QStringList());
        }
    }
};

} // namespace corvane

QTEST_MAIN(corvane::AuthenticationPageTest)
#include "authentication_page_test.moc"
