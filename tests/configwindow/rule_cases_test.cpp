// SPDX-License-Identifier: Apache-2.0
// The shared table of rule cases met through the real controls of a configuration window: every record that
// breaks a rule is refused with the message the rules report for it (the same table drives the rules' own
// test and corvane check), or, where a control never takes such a value, that control cannot be given it.
#include "config/hex_text.h"
#include "config/table_editing.h"
#include "config_windows.h"
#include "configwindow/config_window.h"
#include "configwindow/settings_pages.h"
#include "modal_driver.h"
#include "pages/config_page.h"
#include "pages/property_sheet.h"
#include "rule_cases.h"
#include "rules/wireless_rules.h"
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
#include "widgets/control_binding.h"
#include "widgets/file_dialog.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

namespace corvane {

using namespace testing;

namespace {

// The settings pages in the window's order.
constexpr int kCorvanePage = 0;
constexpr int kNetworkPage = 2;
constexpr int kAccessControlPage = 3;

// The message of the next Error dialog, answered with OK; empty until one shows.
void TakeNextMessage(QString& shown) {
    OnNextModal([&shown](QDialog& dialog) {
        shown = TextOf(&dialog, error::kMessage);
        ClickControl(&dialog, kOk);
    });
}

QString PortText(std::uint16_t port) {
    return port == 0 ? QString() : QString::number(port);
}

QString AddressText(std::uint32_t address) {
    if (address == 0) {
        return {};
    }
    return QStringLiteral("%1.%2.%3.%4")
        .arg(address >> 24)
        .arg((address >> 16) & 0xFF)
        .arg((address >> 8) & 0xFF)
        .arg(address & 0xFF);
}

// Fills Edit Port Mapping with the mapping, a zero field left blank, and presses OK.
void EnterMapping(QDialog& dialog, const PortMapEntry& entry) {
    TypeInto(&dialog, port_map_entry::kPublicPort, PortText(entry.publicPort));
    TypeAddress(&dialog, port_map_entry::kPrivateAddress, AddressText(entry.privateAddress));
    TypeInto(&dialog, port_map_entry::kPrivatePort, PortText(entry.privatePort));
    ClickControl(&dialog, port_map_entry::kOk);
}

} // namespace

class RuleCasesTest : public ConfigWindowTestCase {
    Q_OBJECT

private:
    QPointer<ConfigWindow> Open(const ConfigRecord& source) {
        QPointer<ConfigWindow> window = new ConfigWindow(&source, MakeSettingsPages);
        window->show();
        return window;
    }
    static QWidget* Page(ConfigWindow* window, int index) { return window->Sheet().Page(index); }

    // Save As validates every page and the rules across them first; the file dialog, if it comes, is
    // cancelled.
    static QString MessageOfSaveAs(ConfigWindow* window) {
        QString shown;
        TakeNextMessage(shown);
        RunMenuCommand(window, kMenuSaveAs);
        return shown;
    }

    static QString MessageOfMulticast(ConfigWindow* window, const ConfigRecord& broken) {
        QString shown;
        TakeNextMessage(shown);
        ChooseIn(Page(window, kCorvanePage), corvane_page::kMulticastRate, MulticastIndex(broken.raMu));
        return shown;
    }

    // Change Network Password turns every password it takes into a key of the chosen size; one it cannot turn
    // into such a key (here the empty password, for the broken key's size) is refused.
    static QString MessageOfNetworkPassword(ConfigWindow* window, const ConfigRecord& broken) {
        QString shown;
        OnNextModal([&shown, &broken](QDialog& dialog) {
            const QString password;
            ChooseIn(&dialog, network_password::kKeySize, broken.raWM == kWep128 ? 1 : 0);
            TypeInto(&dialog, network_password::kNewPassword, password);
            TypeInto(&dialog, network_password::kConfirm, password);
            TakeNextMessage(shown);
            ClickControl(&dialog, network_password::kChange);
            ClickControl(&dialog, network_password::kCancel);
        });
        ClickControl(Page(window, kCorvanePage), corvane_page::kChangeNetworkPassword);
        return shown;
    }

    // Adds the record's last mapping in the Port Mapping dialog; the dialog opens on the others.
    static QString MessageOfPortMapping(ConfigWindow* window, const ConfigRecord& broken, bool entryRefused) {
        QString shown;
        OnNextModal([&shown, &broken, entryRefused](QDialog& mappings) {
            OnNextModal([&shown, &broken, entryRefused](QDialog& entry) {
                if (entryRefused) {
                    TakeNextMessage(shown);
                }
                EnterMapping(entry, broken.pmTa.back());
                if (entryRefused) {
                    ClickControl(&entry, port_map_entry::kCancel);
                }
            });
            if (!entryRefused) {
                TakeNextMessage(shown);
            }
            ClickControl(&mappings, port_mapping::kAdd);
            ClickControl(&mappings, port_mapping::kDone);
        });
        ClickControl(Page(window, kNetworkPage), network_page::kPortMapping);
        return shown;
    }

    // Adds the record's client in Add Client, its description pasted; what the description edit then holds is
    // noted in `held`. An edit that took less than was pasted gives no message to wait for.
    static QString MessageOfAddClient(ConfigWindow* window, const ConfigRecord& broken, QString& held) {
        QString shown;
        OnNextModal([&shown, &broken, &held](QDialog& dialog) {
            const AclEntry& client = broken.acTa.back();
            TypeInto(&dialog, add_client::kCorvaneIdEdit,
                     QString::fromStdString(FormatMacAddress(client.corvaneId)));
            const std::string_view text = AclDescription(client);
            const QString description = QString::fromLatin1(text.data(), qsizetype(text.size()));
            auto* edit = qobject_cast<QLineEdit*>(GetControl(&dialog, add_client::kDescriptionEdit));
            QGuiApplication::clipboard()->setText(description);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            held = edit->text();
            if (held == description) {
                TakeNextMessage(shown);
            }
            ClickControl(&dialog, add_client::kOkButton);
            if (dialog.isVisible()) {
                ClickControl(&dialog, add_client::kCancelButton);
            }
        });
        ClickControl(Page(window, kAccessControlPage), access_control_page::kAddButton);
        return shown;
    }

private slots:
    void init() {
        SetFileDialogHook([](const FileDialogRequest&) { return std::optional<QString>(); });
    }

    void everyCaseMeetsItsRuleThroughTheControls_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < kRuleCases.size(); ++i) {
            QTest::newRow(kRuleCases[i].name) << int(i);
        }
    }
    void everyCaseMeetsItsRuleThroughTheControls() {
        QFETCH(int, index);
        const RuleCase& rule = kRuleCases[std::size_t(index)];
        const ConfigRecord broken = CaseRecord(rule);
        const QString expected = ResourceText(rule.message);
        ConfigRecord source = broken;
        QString held;
        switch (rule.route) {
        case PageRoute::Update: {
            QPointer<ConfigWindow> window = Open(source);
            QCOMPARE(MessageOfSaveAs(window), expected);
            break;
        }
        case PageRoute::ChannelList: {
            QPointer<ConfigWindow> window = Open(source);
            const auto* list =
                qobject_cast<QComboBox*>(GetControl(Page(window, kCorvanePage), corvane_page::kChannel));
            QCOMPARE(list->findText(QString::number(broken.raCh)), -1);
            QCOMPARE(list->count(), qsizetype(LegalChannels(broken.raLC).size()));
            break;
        }
        case PageRoute::MulticastList: {
            source.raMu = 2;
            QPointer<ConfigWindow> window = Open(source);
            QCOMPARE(MessageOfMulticast(window, broken), expected);
            break;
        }
        case PageRoute::NetworkPassword: {
            source.raWM = kWepOff;
            QPointer<ConfigWindow> window = Open(source);
            if (broken.raWM == kWep40 || broken.raWM == kWep128) {
                QCOMPARE(MessageOfNetworkPassword(window, broken), expected);
                break;
            }
            // A mode of neither size: the dialog's key sizes are 40 and 128 bits alone.
            OnNextModal([](QDialog& dialog) {
                const auto* sizes = qobject_cast<QComboBox*>(GetControl(&dialog, network_password::kKeySize));
                QCOMPARE(sizes->count(), 2);
                ClickControl(&dialog, network_password::kCancel);
            });
            ClickControl(Page(window, kCorvanePage), corvane_page::kChangeNetworkPassword);
            break;
        }
        case PageRoute::PortMapEntry:
        case PageRoute::PortMapAdd: {
            source.pmTa.pop_back();
            QPointer<ConfigWindow> window = Open(source);
            QCOMPARE(MessageOfPortMapping(window, broken, rule.route == PageRoute::PortMapEntry), expected);
            break;
        }
        case PageRoute::AddClient: {
            source.acTa.pop_back();
            QPointer<ConfigWindow> window = Open(source);
            const QString shown = MessageOfAddClient(window, broken, held);
            if (rule.message == kStrDescriptionTooLong) {
                // The edit takes no more than the 33 characters a description holds.
                QCOMPARE(held.size(), qsizetype(AclEntry::kDescriptionSize - 1));
                QCOMPARE(shown, QString());
            } else {
                QCOMPARE(shown, expected);
            }
            break;
        }
        }
        QCOMPARE(TakeUnexpectedModals(), QStringList());
    }
};

} // namespace corvane

QTEST_MAIN(corvane::RuleCasesTest)
#include "rule_cases_test.moc"
