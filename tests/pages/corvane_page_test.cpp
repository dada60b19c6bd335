// SPDX-License-Identifier: Apache-2.0
// The wireless page and its Change Network Password dialog, driven through their controls.
#include "config/config_record.h"
#include "config/network_password.h"
#include "gui_test_case.h"
#include "modal_driver.h"
#include "page_host.h"
#include "pages/corvane_page.h"
#include "pages/network_password_dialog.h"
#include "pages/property_sheet.h"
#include "strings/ids/change_password_controls.h"
#include "strings/ids/corvane_page_controls.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/network_password_controls.h"
#include "strings/ids/string_ids.h"
#include "widgets/control_binding.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <memory>

namespace corvane {

using namespace testing;
using namespace corvane_page;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kMessageText = 1058;

// The next message is answered with this button (1 OK, 2 Cancel); its caption and text are kept.
struct Answer {
    QString caption;
    QString text;
    explicit Answer(int button) {
        OnNextModal([this, button](QDialog& message) {
            caption = message.windowTitle();
            text = TextOf(&message, kMessageText);
            ClickControl(&message, button);
        });
    }
};

using WirelessHost = PageHost<CorvanePage>;

// Types the password twice into the network password dialog, picks the key size and presses Change.
void EnterNetworkPassword(const QString& password, int keySize) {
    OnNextModal([password, keySize](QDialog& dialog) {
        TypeInto(&dialog, network_password::kNewPassword, password);
        TypeInto(&dialog, network_password::kConfirm, password);
        ChooseIn(&dialog, network_password::kKeySize, keySize);
        ClickControl(&dialog, network_password::kChange);
    });
}

const Bytes kKey40 = {0x0A, 0x1B, 0x2C, 0x3D, 0x4E};
const Bytes kKey128 = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
const QString kHex40 = QStringLiteral("$0A1b2C3d4E");
const QString kHex128 = QStringLiteral("0x0102030405060708090A0B0C0D");

ConfigRecord UnusualRecord() {
    ConfigRecord record;
    record.syNm = std::string(300, 'N') + " \"quoted\" & <tagged> Caf\xE9 \x80";
    record.syCt = "";
    record.syLo = "Room 4, shelf \\ 2";
    record.syPW = "station secret";
    record.raNm = "bad_name\\kept as loaded";
    record.raLC = 0x7FFF;
    record.raCh = 15;
    record.raDe = 4; // "-"
    record.raMu = 17;
    record.raCl = 1;
    record.raRo = 1;
    record.raWM = kWep128;
    SetWepKey(record, kKey128);
    return record;
}

} // namespace

class CorvanePageTest : public testing::GuiTestCase {
    Q_OBJECT

private slots:
    void templateHoldsItsTextsAndFixedLists() {
        WirelessHost host;
        QCOMPARE(host.sheet.tabText(1), QStringLiteral("Corvane"));
        QCOMPARE(host.Entries(kDensity), QStringList({"Low", "Medium", "High", "-", "Select default"}));
        QCOMPARE(host.Entries(kMulticastRate), QStringList({"1", "2", "5.5", "11", "-", "Select default"}));
        const QStringList labels = LabelTexts(host.page);
        QVERIFY(labels.contains(
            "Information in this section is used to identify and configure the base station."));
        QVERIFY(labels.contains("mb/s"));
        QCOMPARE(TextOf(host.page, kEncryption).remove('&'), QStringLiteral("Enable encryption (using WEP)"));
        QCOMPARE(TextOf(host.page, kChangeNetworkPassword).remove('&'),
                 QStringLiteral("Change Network Password..."));
        NetworkPasswordDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Change Network Password"));
        QCOMPARE(qobject_cast<QComboBox*>(GetControl(&dialog, network_password::kKeySize))->itemText(1),
                 QStringLiteral("128-bit (more secure)"));
    }

    void channelListFollowsTheLegalChannels_data() {
        QTest::addColumn<int>("mask");
        QTest::addColumn<int>("channel");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored");
        QTest::newRow("bits 9 to 12, channel 11")
            << 0x1E00 << 11 << QStringList{"10", "11", "12", "13"} << "11" << 11;
        QTest::newRow("bits 9 to 12, channel 1")
            << 0x1E00 << 1 << QStringList{"10", "11", "12", "13"} << "" << 1;
        QTest::newRow("no legal channel") << 0 << 6 << QStringList{} << "" << 1;
        QTest::newRow("bit 15 unused") << 0xC000 << 15 << QStringList{"15"} << "15" << 15;
        QTest::newRow("default mask")
            << 0x07FF << 6 << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"} << "6"
            << 6;
    }
    void channelListFollowsTheLegalChannels() {
        QFETCH(int, mask);
        QFETCH(int, channel);
        QFETCH(QStringList, entries);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        ConfigRecord record;
        record.raLC = static_cast<std::uint16_t>(mask);
        record.raCh = static_cast<std::uint32_t>(channel);
        WirelessHost host(record);
        QCOMPARE(host.Entries(kChannel), entries);
        QCOMPARE(qobject_cast<QComboBox*>(GetControl(host.page, kChannel))->currentText(), shown);
        QCOMPARE(host.Stored().raCh, std::uint32_t(stored));
    }

    void multicastCodesLoadAndStore_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("stored");
        QTest::newRow("1") << 1 << "1" << 1;
        QTest::newRow("2") << 2 << "2" << 2;
        QTest::newRow("0 is unknown") << 0 << "2" << 2;
        QTest::newRow("7 is unknown") << 7 << "2" << 2;
        QTest::newRow("85 is 5.5") << 85 << "5.5" << 85;
        QTest::newRow("17 is 11") << 17 << "11" << 17;
    }
    void multicastCodesLoadAndStore() {
        QFETCH(int, code);
        QFETCH(QString, shown);
        QFETCH(int, stored);
        ConfigRecord record;
        record.raDe = 3;
        record.raMu = static_cast<std::uint32_t>(code);
        WirelessHost host(record);
        QCOMPARE(qobject_cast<QComboBox*>(GetControl(host.page, kMulticastRate))->currentText(), shown);
        QCOMPARE(host.Stored().raMu, std::uint32_t(stored));
    }

    void densityAndMulticastRules_data() {
        QTest::addColumn<int>("density");
        QTest::addColumn<int>("multicast");
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("answer"); // 0: no message, 1: OK, 2: Cancel
        QTest::addColumn<int>("message");
        QTest::addColumn<int>("densityAfter");
        QTest::addColumn<int>("multicastAfter");
        QTest::newRow("High with 11, to Medium: 2 silently")
            << 2 << 3 << int(kDensity) << 1 << 0 << 0 << 1 << 1;
        QTest::newRow("High with 5.5, to Low: 2 silently")
            << 2 << 2 << int(kDensity) << 0 << 0 << 0 << 0 << 1;
        QTest::newRow("Medium with 5.5, to High: kept") << 1 << 2 << int(kDensity) << 2 << 0 << 0 << 2 << 2;
        QTest::newRow("Select default density: Low, rate kept")
            << 2 << 3 << int(kDensity) << 4 << 0 << 0 << 0 << 3;
        QTest::newRow("'-' density: Low") << 1 << 1 << int(kDensity) << 3 << 0 << 0 << 0 << 1;
        QTest::newRow("Low, 5.5: refused")
            << 0 << 1 << int(kMulticastRate) << 2 << 1 << int(kStrMulticastNeedsDensity) << 0 << 1;
        QTest::newRow("Medium, 11: refused")
            << 1 << 1 << int(kMulticastRate) << 3 << 1 << int(kStrMulticastNeedsDensity) << 1 << 1;
        QTest::newRow("Medium, 5.5, Cancel")
            << 1 << 1 << int(kMulticastRate) << 2 << 2 << int(kStrConfirmMulticastRate) << 1 << 1;
        QTest::newRow("Medium, 5.5, OK")
            << 1 << 1 << int(kMulticastRate) << 2 << 1 << int(kStrConfirmMulticastRate) << 1 << 2;
        QTest::newRow("High, 11, OK")
            << 2 << 1 << int(kMulticastRate) << 3 << 1 << int(kStrConfirmMulticastRate) << 2 << 3;
        QTest::newRow("Low, 1: nothing asked") << 0 << 1 << int(kMulticastRate) << 0 << 0 << 0 << 0 << 0;
        QTest::newRow("Select default rate: 2") << 2 << 3 << int(kMulticastRate) << 5 << 0 << 0 << 2 << 1;
        QTest::newRow("'-' rate: 2") << 2 << 0 << int(kMulticastRate) << 4 << 0 << 0 << 2 << 1;
    }
    void densityAndMulticastRules() {
        QFETCH(int, density);
        QFETCH(int, multicast);
        QFETCH(int, list);
        QFETCH(int, choice);
        QFETCH(int, answer);
        QFETCH(int, message);
        QFETCH(int, densityAfter);
        QFETCH(int, multicastAfter);
        ConfigRecord record;
        record.raDe = static_cast<std::uint32_t>(density + 1);
        record.raMu = std::array<std::uint32_t, 4>{1, 2, 85, 17}[static_cast<std::size_t>(multicast)];
        WirelessHost host(record);
        std::unique_ptr<Answer> shown;
        if (answer != 0) {
            shown = std::make_unique<Answer>(answer);
        }
        ChooseIn(host.page, list, choice);
        if (shown) {
            QCOMPARE(shown->text, ResourceText(StringId(message)));
            QCOMPARE(shown->caption, message == 162 ? QStringLiteral("Note") : QStringLiteral("Error"));
        }
        QCOMPARE(GetComboSelection(host.page, kDensity), densityAfter);
        QCOMPARE(GetComboSelection(host.page, kMulticastRate), multicastAfter);
    }

    void checkBoxesThatLockClientsOutAsk_data() {
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("message");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("checked");
        QTest::newRow("closed network, OK")
            << int(kClosedNetwork) << int(kStrConfirmClosedNetwork) << 1 << true;
        QTest::newRow("closed network, Cancel")
            << int(kClosedNetwork) << int(kStrConfirmClosedNetwork) << 2 << false;
        QTest::newRow("robustness, OK")
            << int(kInterferenceRobustness) << int(kStrConfirmInterferenceRobustness) << 1 << true;
        QTest::newRow("robustness, Cancel")
            << int(kInterferenceRobustness) << int(kStrConfirmInterferenceRobustness) << 2 << false;
    }
    void checkBoxesThatLockClientsOutAsk() {
        QFETCH(int, box);
        QFETCH(int, message);
        QFETCH(int, answer);
        QFETCH(bool, checked);
        WirelessHost host;
        Answer shown(answer);
        ClickControl(host.page, box);
        QCOMPARE(shown.caption, QStringLiteral("Note"));
        QCOMPARE(shown.text, ResourceText(StringId(message)));
        QCOMPARE(GetCheck(host.page, box), checked ? kChecked : kUnchecked);
        const ConfigRecord stored = host.Stored();
        QCOMPARE(box == kClosedNetwork ? stored.raCl : stored.raRo, std::uint8_t(checked ? 1 : 0));
    }

    void loadingAndUncheckingAskNothing() {
        ConfigRecord record;
        record.raCl = 1;
        record.raRo = 1;
        record.raDe = 3;
        record.raMu = 17;
        WirelessHost host(record);
        QCOMPARE(GetCheck(host.page, kClosedNetwork), int(kChecked));
        QCOMPARE(GetCheck(host.page, kInterferenceRobustness), int(kChecked));
        ClickControl(host.page, kClosedNetwork);
        ClickControl(host.page, kInterferenceRobustness);
        const ConfigRecord stored = host.Stored();
        QCOMPARE(stored.raCl, std::uint8_t(0));
        QCOMPARE(stored.raRo, std::uint8_t(0));
        host.page->LoadSettings(); // again, as after Import Settings
    }

    void encryptionWithoutAKeyAsksForOne() {
        WirelessHost host;
        OnNextModal([](QDialog& dialog) { ClickControl(&dialog, network_password::kCancel); });
        ClickControl(host.page, kEncryption);
        QCOMPARE(GetCheck(host.page, kEncryption), int(kUnchecked));
        QCOMPARE(host.page->WepMode(), std::uint32_t(kWepOff));
        QCOMPARE(host.Stored().raWM, std::uint32_t(kWepOff));
        QVERIFY(host.Stored().raWE == host.record.raWE);

        EnterNetworkPassword(kHex40, 0);
        ClickControl(host.page, kEncryption);
        QCOMPARE(GetCheck(host.page, kEncryption), int(kChecked));
        QVERIFY(host.page->NetworkKey() == kKey40);
        const ConfigRecord stored = host.Stored();
        QCOMPARE(stored.raWM, std::uint32_t(kWep40));
        QVERIFY(GetWepKey(stored) == kKey40);
    }

    void aLoadedKeyIsKeptUntilANewOneIsEntered() {
        ConfigRecord record;
        record.raWM = kWep128;
        SetWepKey(record, kKey128);
        WirelessHost host(record);
        QCOMPARE(GetCheck(host.page, kEncryption), int(kChecked));
        QVERIFY(host.page->NetworkKey() == kKey128); // what Equivalent Network Password shows
        // Unchecking and checking again asks for a password: none was entered on this page.
        ClickControl(host.page, kEncryption);
        OnNextModal([](QDialog& dialog) {
            QCOMPARE(GetComboSelection(&dialog, network_password::kKeySize), 0); // mode 0 now: 40-bit offered
            ClickControl(&dialog, network_password::kCancel);
        });
        ClickControl(host.page, kEncryption);
        QCOMPARE(GetCheck(host.page, kEncryption), int(kUnchecked));
        QCOMPARE(host.Stored().raWM, std::uint32_t(kWepOff));
        QVERIFY(GetWepKey(host.Stored()) == kKey128);
    }

    // Unchecking and checking encryption once a key was entered here must not show encryption on while the
    // record would receive it off: the box carries the mode of the key the page holds.
    void recheckingEncryptionRestoresTheModeOfTheEnteredKey_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<int>("keySize");
        QTest::addColumn<int>("mode");
        QTest::newRow("40-bit") << kHex40 << 0 << int(kWep40);
        QTest::newRow("128-bit") << kHex128 << 1 << int(kWep128);
    }
    void recheckingEncryptionRestoresTheModeOfTheEnteredKey() {
        QFETCH(QString, password);
        QFETCH(int, keySize);
        QFETCH(int, mode);
        WirelessHost host;
        EnterNetworkPassword(password, keySize);
        ClickControl(host.page, kChangeNetworkPassword);
        QCOMPARE(GetCheck(host.page, kEncryption), int(kChecked));
        ClickControl(host.page, kEncryption);
        QCOMPARE(host.Stored().raWM, std::uint32_t(kWepOff));
        ClickControl(host.page, kEncryption); // no dialog: the key is held
        QCOMPARE(GetCheck(host.page, kEncryption), int(kChecked));
        const ConfigRecord stored = host.Stored();
        QCOMPARE(stored.raWM, std::uint32_t(mode));
        QVERIFY(GetWepKey(stored) == (mode == kWep128 ? kKey128 : kKey40));
    }

    // A key entered, then Import Settings of a record without one: checking the box must ask for a key, never
    // store encryption on with an empty key.
    void recheckingWithoutAUsableKeyAsksForOne() {
        WirelessHost host;
        EnterNetworkPassword(kHex40, 0);
        ClickControl(host.page, kChangeNetworkPassword);
        host.record = ConfigRecord();
        host.page->LoadSettings(); // as after Import Settings
        QVERIFY(host.page->NetworkKey().empty());
        bool asked = false;
        OnNextModal([&asked](QDialog& dialog) {
            asked = true;
            ClickControl(&dialog, network_password::kCancel);
        });
        ClickControl(host.page, kEncryption);
        QVERIFY(asked);
        QCOMPARE(GetCheck(host.page, kEncryption), int(kUnchecked));
        QCOMPARE(host.Stored().raWM, std::uint32_t(kWepOff));

        EnterNetworkPassword(kHex128, 1);
        ClickControl(host.page, kEncryption);
        QCOMPARE(GetCheck(host.page, kEncryption), int(kChecked));
        const ConfigRecord stored = host.Stored();
        QCOMPARE(stored.raWM, std::uint32_t(kWep128));
        QVERIFY(GetWepKey(stored) == kKey128);
    }

    void networkPasswordDialog_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<int>("keySize");
        QTest::addColumn<int>("message");
        QTest::addColumn<Bytes>("key");
        QTest::newRow("both empty") << ""
                                    << "" << 0 << int(kStrInvalidNetworkPassword) << Bytes{};
        QTest::newRow("different") << "network"
                                   << "Network" << 1 << 108 << Bytes{};
        QTest::newRow("confirmation empty") << "network"
                                            << "" << 0 << 108 << Bytes{};
        QTest::newRow("40-bit hex at 128-bit is normal text") << kHex40 << kHex40 << 1 << 0 << Bytes{};
        QTest::newRow("dollar hex, 40-bit") << kHex40 << kHex40 << 0 << 0 << kKey40;
        QTest::newRow("0x hex, 128-bit") << kHex128 << kHex128 << 1 << 0 << kKey128;
        QTest::newRow("quoted, 40-bit") << "\"abcde\""
                                        << "\"abcde\"" << 0 << 0 << Bytes{'a', 'b', 'c', 'd', 'e'};
        QTest::newRow("bad hex") << "$0A1B2C3DZZ"
                                 << "$0A1B2C3DZZ" << 0 << int(kStrInvalidNetworkPassword) << Bytes{};
    }
    void networkPasswordDialog() {
        QFETCH(QString, password);
        QFETCH(QString, confirmation);
        QFETCH(int, keySize);
        QFETCH(int, message);
        QFETCH(Bytes, key);
        QString shown;
        OnNextModal([&](QDialog& dialog) {
            TypeInto(&dialog, network_password::kNewPassword, password);
            TypeInto(&dialog, network_password::kConfirm, confirmation);
            ChooseIn(&dialog, network_password::kKeySize, keySize);
            if (message != 0) {
                OnNextModal([&](QDialog& error) {
                    shown = TextOf(&error, kMessageText);
                    ClickControl(&error, kOk);
                });
                ClickControl(&dialog, network_password::kChange);
                QVERIFY(dialog.isVisible()); // stays open with what was typed
                QCOMPARE(TextOf(&dialog, network_password::kNewPassword), password);
                ClickControl(&dialog, network_password::kCancel);
            } else {
                ClickControl(&dialog, network_password::kChange);
            }
        });
        std::uint32_t mode = kWep128;
        Bytes result = {0xEE};
        NetworkPasswordDialog dialog;
        const bool changed = dialog.Run(mode, result);
        if (message != 0) {
            QVERIFY(!changed);
            QCOMPARE(shown, ResourceText(StringId(message)));
            QCOMPARE(mode, std::uint32_t(kWep128));
            QVERIFY(result == Bytes{0xEE});
        } else {
            QVERIFY(changed);
            QCOMPARE(mode, std::uint32_t(keySize == 0 ? kWep40 : kWep128));
            if (!key.empty()) {
                QVERIFY(result == key);
            }
            QCOMPARE(result.size(), WepKeySize(mode));
        }
    }

    void networkPasswordDialogOffersTheCurrentKeySize_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("offered");
        QTest::newRow("off") << int(kWepOff) << 0;
        QTest::newRow("40-bit") << int(kWep40) << 0;
        QTest::newRow("128-bit") << int(kWep128) << 1;
    }
    void networkPasswordDialogOffersTheCurrentKeySize() {
        QFETCH(int, mode);
        QFETCH(int, offered);
        int shown = -2;
        OnNextModal([&shown](QDialog& dialog) {
            shown = GetComboSelection(&dialog, network_password::kKeySize);
            QTest::keyClick(&dialog, Qt::Key_Escape);
        });
        auto wepMode = static_cast<std::uint32_t>(mode);
        Bytes key;
        NetworkPasswordDialog dialog;
        QVERIFY(!dialog.Run(wepMode, key));
        QCOMPARE(shown, offered);
    }

    void networkNameCharacters_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << "" << true;
        QTest::newRow("letters and digits") << "Office 42" << true;
        QTest::newRow("every punctuation allowed") << "\"'(),-./:=? " << true;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("underscore") << "my_net" << false;
        QTest::newRow("accented") << QStringLiteral("Caf\u00e9") << false;
        QTest::newRow("ampersand") << "R&D" << false;
    }
    void networkNameCharacters() {
        QFETCH(QString, name);
        QFETCH(bool, accepted);
        ConfigRecord record;
        record.raNm = "before";
        WirelessHost host(record);
        TypeInto(host.page, kNetworkName, name);
        std::unique_ptr<Answer> shown;
        if (!accepted) {
            shown = std::make_unique<Answer>(1);
        }
        QCOMPARE(host.page->Validate(), accepted);
        QCOMPARE(host.record.raNm, std::string("before"));
        if (!accepted) {
            QCOMPARE(shown->text, ResourceText(kStrIllegalNetworkName));
            QCOMPARE(host.sheet.currentWidget(), host.page);
            QCOMPARE(host.page->focusWidget(), GetControl(host.page, kNetworkName));
            QCOMPARE(TextOf(host.page, kNetworkName), name); // the administrator's text stays
        }
    }

    void controlCharactersTabsAndLongTextNeverReachTheNetworkName() {
        WirelessHost host;
        auto* edit = qobject_cast<QLineEdit*>(GetControl(host.page, kNetworkName));
        edit->insert(QStringLiteral("tab\there"));
        Answer shown(1);
        QVERIFY(!host.page->Validate());
        const QString longName(5000, 'x');
        TypeInto(host.page, kNetworkName, longName);
        QVERIFY(host.page->Validate()); // no length limit on this page
        QCOMPARE(host.Stored().raNm, longName.toStdString());
    }

    void stationTextIsWindows1252() {
        ConfigRecord record;
        record.syLo = "Caf\xE9 \x80"; // e acute and the euro sign
        WirelessHost host(record);
        QCOMPARE(TextOf(host.page, kLocation), QStringLiteral("Caf\u00e9 \u20ac"));
        TypeInto(host.page, kName, QStringLiteral("Gr\u00fc\u00dfe \u65e5\u672c"));
        QCOMPARE(TextOf(host.page, kName), QStringLiteral("Gr\u00fc\u00dfe ")); // refused where typed
        const ConfigRecord stored = host.Stored();
        QCOMPARE(stored.syNm, std::string("Gr\xFC\xDF"
                                          "e "));
        QCOMPARE(stored.syLo, record.syLo);
    }

    void stationPasswordChangesOnlyWhenStored() {
        ConfigRecord record;
        record.syPW = "old";
        WirelessHost host(record);
        OnNextModal([](QDialog& dialog) { ClickControl(&dialog, kCancel); });
        ClickControl(host.page, kChangeStationPassword);
        QCOMPARE(host.Stored().syPW, std::string("old"));
        OnNextModal([](QDialog& dialog) {
            TypeInto(&dialog, change_password::kNewPassword, QStringLiteral("fresh"));
            TypeInto(&dialog, change_password::kConfirmation, QStringLiteral("fresh"));
            ClickControl(&dialog, kOk);
        });
        ClickControl(host.page, kChangeStationPassword);
        QCOMPARE(host.record.syPW, std::string("old"));
        QCOMPARE(host.Stored().syPW, std::string("fresh"));
    }

    void editsReachTheirProperties() {
        WirelessHost host;
        TypeInto(host.page, kName, QStringLiteral("Attic"));
        TypeInto(host.page, kContact, QStringLiteral("Ann"));
        TypeInto(host.page, kLocation, QStringLiteral("Roof"));
        TypeInto(host.page, kNetworkName, QStringLiteral("Home"));
        ChooseIn(host.page, kChannel, 10);
        ChooseIn(host.page, kDensity, 2);
        const ConfigRecord stored = host.Stored();
        QCOMPARE(ChangedProperties(host.record, stored),
                 QStringList({"syNm", "syCt", "syLo", "raNm", "raCh", "raDe"}));
        QCOMPARE(stored.syNm + stored.syCt + stored.syLo + stored.raNm, std::string("AtticAnnRoofHome"));
        QCOMPARE(stored.raCh, 11u);
        QCOMPARE(stored.raDe, 3u);
    }

    void loadingAndStoringChangesNothing_data() {
        QTest::addColumn<bool>("unusual");
        QTest::newRow("default record") << false;
        QTest::newRow("unusual record") << true;
    }
    void loadingAndStoringChangesNothing() {
        QFETCH(bool, unusual);
        WirelessHost host(unusual ? UnusualRecord() : ConfigRecord{});
        QCOMPARE(ChangedProperties(host.record, host.Stored()), QStringList());
    }

    void specifiedLossyCasesChangeOnlyTheirProperty_data() {
        QTest::addColumn<int>("lossyCase");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("stored");
        QTest::newRow("unknown multicast code stores 2") << 0 << "raMu" << 2;
        QTest::newRow("multicast code 0 stores 2") << 1 << "raMu" << 2;
        QTest::newRow("channel outside the list stores 1") << 2 << "raCh" << 1;
        QTest::newRow("no legal channel stores 1") << 3 << "raCh" << 1;
    }
    void specifiedLossyCasesChangeOnlyTheirProperty() {
        QFETCH(int, lossyCase);
        QFETCH(QString, tag);
        QFETCH(int, stored);
        ConfigRecord record = UnusualRecord();
        switch (lossyCase) {
        case 0:
            record.raMu = 7;
            break;
        case 1:
            record.raMu = 0;
            break;
        case 2:
            record.raLC = 0x0F00;
            record.raCh = 3;
            break;
        default:
            record.raLC = 0;
            record.raCh = 6;
            break;
        }
        WirelessHost host(record);
        const ConfigRecord after = host.Stored();
        QCOMPARE(ChangedProperties(host.record, after), QStringList({tag}));
        QCOMPARE(tag == "raMu" ? after.raMu : after.raCh, std::uint32_t(stored));
    }
};

} // namespace corvane

QTEST_MAIN(corvane::CorvanePageTest)
#include "corvane_page_test.moc"
