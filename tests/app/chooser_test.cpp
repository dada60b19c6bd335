// SPDX-License-Identifier: Apache-2.0
// The chooser against a loopback fleet: discovery through posted events, the list and its details, the
// countdown, the menus and the station commands.
#include "app/station_found_event.h"
#include "app/station_mailbox.h"
#include "chooser_fixture.h"
#include "config/config_file.h"
#include "config_windows.h"
#include "files/bounded_read.h"
#include "mock_peer.h"
#include "modal_driver.h"
#include "protocol/dotted_quad.h"
#include "protocol/event.h"
#include "resources/main_menu.h"
#include "strings/ids/choose_other_controls.h"
#include "strings/ids/chooser_controls.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/enter_password_controls.h"
#include "strings/ids/error_controls.h"
#include "strings/ids/menu_commands.h"
#include "widgets/control_binding.h"
#include "widgets/file_dialog.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>
#include <atomic>

namespace corvane {

using namespace testing;

namespace {

// Answers the next Enter Password dialog.
void AnswerPassword(const QString& password) {
    OnNextModal([password](QDialog& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Enter Password"));
        TypeInto(&dialog, enter_password::kPassword, password);
        ClickControl(&dialog, kOk);
    });
}

// Expects the next modal to be the Error dialog (or a Note) with this text and code, and answers it with
// `button`.
void ExpectMessage(QString* text, QString* code, int button = 1) {
    OnNextModal([text, code, button](QDialog& dialog) {
        *text = TextOf(&dialog, error::kMessage);
        *code = IsShown(&dialog, error::kCode) ? TextOf(&dialog, error::kCode) : QString();
        ClickControl(&dialog, button);
    });
}

QAction* Command(ChooserWindow& chooser, int position, int command) {
    QMenu* menu = chooser.MenuBar().actions().at(position)->menu();
    emit menu->aboutToShow();
    return FindMenuCommand(&chooser.MenuBar(), command);
}

// A record that counts its destruction, to see where posted records end.
struct CountedRecord : ConfigRecord {
    explicit CountedRecord(std::atomic<int>& destroyed) : destroyed_(destroyed) {}
    ~CountedRecord() override { ++destroyed_; }
    std::atomic<int>& destroyed_;
};

std::unique_ptr<ConfigRecord> Answer(std::uint32_t address, std::uint8_t wanLast, const char* name) {
    auto record = std::make_unique<ConfigRecord>();
    record->stationAddress = address;
    record->wanMac = {0x00, 0x30, 0x65, 0x01, 0x02, wanLast};
    record->syNm = name;
    return record;
}

// Stations first..first+count-1 in one event, as a burst of answers arrives; station N at 10.1.0.0 + N.
StationFoundEvent* Batch(std::uint32_t first, std::uint32_t count) {
    auto* event = new StationFoundEvent(nullptr);
    event->records.clear();
    for (std::uint32_t n = first; n < first + count; ++n) {
        auto record = Answer(0x0A010000u + n, std::uint8_t(n), "");
        record->syNm = "Station " + std::to_string(n);
        event->records.push_back(std::move(record));
    }
    return event;
}

// Takes the batches a mailbox posts to it and counts their answers.
class BatchReceiver : public QObject {
public:
    bool event(QEvent* event) override {
        if (event->type() != kStationFoundEvent) {
            return QObject::event(event);
        }
        batches.push_back(mailbox.Take(*static_cast<StationFoundEvent*>(event)).size());
        return true;
    }

    StationMailbox mailbox{this};
    std::vector<std::size_t> batches;
};

} // namespace

class ChooserTest : public testing::ConfigWindowTestCase {
    Q_OBJECT

private slots:
    // Two passes, each answered by the three stations that answer discovery: once all six answers are in,
    // the list holds each station once. (An answer later than its pass joins the next scan, so the answers
    // are waited for, not counted within a pass.)
    void listsEachStationOnceAcrossBothPassesAndARescan() {
        ChooserHost host;
        QSignalSpy answers(&host.chooser(), &ChooserWindow::stationAnswered);
        const QStringList answering{"127.0.0.1", "127.0.0.2", "127.0.0.3"};
        QTRY_VERIFY_WITH_TIMEOUT(answers.count() >= 2 * kListedStations, kScanWaitMs);
        QCOMPARE(ListedAddresses(host), answering);

        host.chooser().Rescan();
        QCOMPARE(host.chooser().StationList().model()->rowCount(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(answers.count() >= 4 * kListedStations, kScanWaitMs);
        QCOMPARE(ListedAddresses(host), answering);
        QCOMPARE(host.chooser().StationCount(), std::size_t(kListedStations));
    }

    void dropsOnlyAnswersWithTheSameWanAddressAndStationAddress_data() {
        QTest::addColumn<std::uint32_t>("secondAddress");
        QTest::addColumn<int>("secondWan");
        QTest::addColumn<int>("rows");
        QTest::newRow("same station twice") << 0x0A000102u << 1 << 1;
        QTest::newRow("same WAN address, other address") << 0x0A000103u << 1 << 2;
        QTest::newRow("other WAN address, same address") << 0x0A000102u << 2 << 2;
    }
    void dropsOnlyAnswersWithTheSameWanAddressAndStationAddress() {
        QFETCH(std::uint32_t, secondAddress);
        QFETCH(int, secondWan);
        QFETCH(int, rows);
        auto* chooser = SilentChooser();
        QCoreApplication::postEvent(chooser, new StationFoundEvent(Answer(0x0A000102u, 1, "First")));
        QCoreApplication::postEvent(
            chooser, new StationFoundEvent(Answer(secondAddress, std::uint8_t(secondWan), "Second")));
        QCoreApplication::sendPostedEvents(chooser, kStationFoundEvent);
        QCOMPARE(chooser->StationList().model()->rowCount(), rows);
        QCOMPARE(chooser->StationList().model()->index(0, 0).data().toString(), QStringLiteral("First"));
        delete chooser;
    }

    void selectsTheFirstStationAndShowsItsDetails() {
        auto* chooser = SilentChooser();
        auto first = Answer(0x0A000102u, 1, "Home");
        first->syDs = "Upstairs";
        first->lanMac = {0xAB, 0xCD, 0xEF, 0x01, 0x02, 0x03};
        first->wirelessMac = {0x00, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E};
        first->uptimeTicks = 0; // started when its answer arrived
        const std::time_t arrived = first->createdTime;
        QCoreApplication::postEvent(chooser, new StationFoundEvent(std::move(first)));
        QCoreApplication::postEvent(chooser, new StationFoundEvent(Answer(0x0A000103u, 2, "Office")));
        QCoreApplication::sendPostedEvents(chooser, kStationFoundEvent);

        const QTreeView& list = chooser->StationList();
        QVERIFY(list.selectionModel()->isRowSelected(0));
        QVERIFY(!list.selectionModel()->isRowSelected(1));
        QCOMPARE(list.model()->index(0, 1).data().toString(), QStringLiteral("10.0.1.2"));
        QCOMPARE(TextOf(chooser, chooser::kName), QStringLiteral("Home"));
        QCOMPARE(TextOf(chooser, chooser::kDescription), QStringLiteral("Upstairs"));
        QCOMPARE(TextOf(chooser, chooser::kIpAddress), QStringLiteral("10.0.1.2"));
        QCOMPARE(TextOf(chooser, chooser::kWanMac), QStringLiteral("00:30:65:01:02:01"));
        QCOMPARE(TextOf(chooser, chooser::kLanMac), QStringLiteral("AB:CD:EF:01:02:03"));
        QCOMPARE(TextOf(chooser, chooser::kWirelessMac), QStringLiteral("00:0A:0B:0C:0D:0E"));
        std::tm local{};
        localtime_r(&arrived, &local);
        char expected[64];
        std::strftime(expected, sizeof expected, "%Y/%m/%d, %I:%M:%S %p", &local);
        QCOMPARE(TextOf(chooser, chooser::kRestartTime), QString::fromLatin1(expected));
        QVERIFY(GetControl(chooser, chooser::kConfigure)->isEnabled());

        chooser->StationList().clearSelection();
        for (int id : {chooser::kName, chooser::kDescription, chooser::kIpAddress, chooser::kWanMac,
                       chooser::kLanMac, chooser::kWirelessMac, chooser::kRestartTime}) {
            QVERIFY2(TextOf(chooser, id).isEmpty(), qPrintable(QString::number(id)));
        }
        QVERIFY(!GetControl(chooser, chooser::kConfigure)->isEnabled());
        delete chooser;
    }

    void theFirstStationIsMadeCurrentAndTheKeyboardStaysWhereItIs_data() {
        QTest::addColumn<int>("control"); // where the keyboard is when the first station arrives; 0: nowhere
        QTest::newRow("on Re-scan, just pressed") << int(chooser::kRescan);
        QTest::newRow("on Other...") << int(chooser::kOther);
        QTest::newRow("nowhere: the list takes it") << 0;
    }
    void theFirstStationIsMadeCurrentAndTheKeyboardStaysWhereItIs() {
        QFETCH(int, control);
        auto* chooser = SilentChooser();
        chooser->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(chooser));
        QTreeView& list = chooser->StationList();
        QWidget* keyboard = &list;
        if (control != 0) {
            keyboard = GetControl(chooser, control);
            keyboard->setFocus(Qt::TabFocusReason);
        } else {
            QApplication::focusWidget()->clearFocus();
            QCOMPARE(chooser->focusWidget(), nullptr);
        }
        if (control == chooser::kRescan) {
            QTest::keyClick(keyboard, Qt::Key_Space);
        }
        QCoreApplication::postEvent(chooser, new StationFoundEvent(Answer(0x0A000102u, 1, "Home")));
        QCoreApplication::postEvent(chooser, new StationFoundEvent(Answer(0x0A000103u, 2, "Office")));
        QCoreApplication::sendPostedEvents(chooser, kStationFoundEvent);
        QCOMPARE(list.currentIndex(), list.model()->index(0, 0));
        QCOMPARE(list.selectionModel()->selectedRows(), QModelIndexList{list.model()->index(0, 0)});
        QCOMPARE(TextOf(chooser, chooser::kName), QStringLiteral("Home"));
        QCOMPARE(QApplication::focusWidget(), keyboard);
        delete chooser;
    }

    void namesFromTheNetworkShowAsTheyAre() {
        auto* chooser = SilentChooser();
        auto record = Answer(0x0A000102u, 1, "<b>Bold</b> &amp;");
        record->syDs = "<img src=\"x\">";
        QCoreApplication::postEvent(chooser, new StationFoundEvent(std::move(record)));
        QCoreApplication::sendPostedEvents(chooser, kStationFoundEvent);
        for (int id : {chooser::kName, chooser::kDescription}) {
            auto* label = qobject_cast<QLabel*>(GetControl(chooser, id));
            QVERIFY(label != nullptr);
            QCOMPARE(label->textFormat(), Qt::PlainText);
        }
        QCOMPARE(TextOf(chooser, chooser::kName), QStringLiteral("<b>Bold</b> &amp;"));
        QCOMPARE(chooser->StationList().model()->index(0, 0).data().toString(),
                 QStringLiteral("<b>Bold</b> &amp;"));
        delete chooser;
    }

    void acceleratorsRescanAndOpenNewConfigurations() {
        auto* chooser = SilentChooser();
        chooser->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(chooser));
        QCoreApplication::postEvent(chooser, new StationFoundEvent(Answer(0x0A000102u, 1, "Home")));
        QCoreApplication::sendPostedEvents(chooser, kStationFoundEvent);
        QTest::keyClick(chooser, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(chooser->StationList().model()->rowCount(), 0);
        QTest::keyClick(chooser, Qt::Key_I,
                        Qt::ControlModifier); // Import Settings belongs to configuration windows
        QVERIFY(OpenConfigWindows().isEmpty());
        QTest::keyClick(chooser, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(OpenConfigWindows().size(), 1);
        delete chooser;
    }

    void doubleClickingARowConfiguresIt() {
        auto* chooser = SilentChooser();
        QCoreApplication::postEvent(chooser, new StationFoundEvent(Answer(0x0A000102u, 1, "Home")));
        QCoreApplication::sendPostedEvents(chooser, kStationFoundEvent);
        QString title;
        OnNextModal([&](QDialog& dialog) {
            title = dialog.windowTitle();
            dialog.reject(); // Cancel at the password: nothing happens
        });
        QVERIFY(QTest::qWaitForWindowExposed(chooser));
        QTreeView& list = chooser->StationList();
        const QPoint row = list.visualRect(list.model()->index(0, 0)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row);
        QCOMPARE(title, QStringLiteral("Enter Password"));
        QVERIFY(OpenConfigWindows().isEmpty());
        delete chooser;
    }

    void aRecordStillQueuedWhenTheChooserGoesIsFreed() {
        std::atomic<int> destroyed = 0;
        auto* chooser = SilentChooser();
        QCoreApplication::postEvent(chooser,
                                    new StationFoundEvent(std::make_unique<CountedRecord>(destroyed)));
        delete chooser;
        QCOMPARE(destroyed.load(), 1);
    }

    void countsDownFromTwentyAndThenScansAfresh() {
        ChooserHost host;
        QVERIFY(host.WaitForStations());
        const ConfigRecord& listed = *host.chooser().GetSelectedStation(false);
        host.chooser().MarkRestarting(ConfigRecord(listed));
        QVERIFY(host.chooser().CountdownRunning());
        QTRY_COMPARE(host.RowText(0, 1), QStringLiteral("Restarting...20"));
        host.now() += 19;
        QTRY_COMPARE(host.RowText(0, 1), QStringLiteral("Restarting...1"));
        // On loopback the fresh scan's answers can refill the list before a poll would see it empty: the
        // emptying is caught as it happens.
        QSignalSpy emptied(host.chooser().StationList().model(), &QAbstractItemModel::modelReset);
        QSignalSpy answers(&host.chooser(), &ChooserWindow::stationAnswered);
        host.now() += 1;
        QTRY_COMPARE(emptied.count(), 1);
        QVERIFY(!host.chooser().CountdownRunning());
        QTRY_VERIFY_WITH_TIMEOUT(answers.count() >= kListedStations, kScanWaitMs);
        QTRY_COMPARE_WITH_TIMEOUT(host.chooser().StationList().model()->rowCount(), kListedStations,
                                  kScanWaitMs);
        QVERIFY(!host.RowText(0, 1).startsWith(QStringLiteral("Restarting")));
    }

    void aBurstOfAnswersTravelsInOneEventAndDiesWithAnUndeliveredOne() {
        std::atomic<int> destroyed{0};
        auto receiver = std::make_unique<BatchReceiver>();
        for (int i = 0; i < 3; ++i) {
            std::unique_ptr<ConfigRecord> record = std::make_unique<CountedRecord>(destroyed);
            QVERIFY(receiver->mailbox.Post(record));
        }
        QCoreApplication::sendPostedEvents(receiver.get(), kStationFoundEvent);
        QCOMPARE(receiver->batches, (std::vector<std::size_t>{3}));
        for (int i = 0; i < 2; ++i) {
            std::unique_ptr<ConfigRecord> record = std::make_unique<CountedRecord>(destroyed);
            QVERIFY(receiver->mailbox.Post(record)); // the first batch was taken: a new event
        }
        QCOMPARE(destroyed.load(), 3);
        receiver.reset();
        QCOMPARE(destroyed.load(), 5);
    }

    void selectionAndDetailsHoldWhileBatchesArrive() {
        auto* chooser = SilentChooser();
        QSignalSpy answers(chooser, &ChooserWindow::stationAnswered);
        QCoreApplication::postEvent(chooser, Batch(0, 1000));
        QCoreApplication::sendPostedEvents(chooser, kStationFoundEvent);
        QTreeView& list = chooser->StationList();
        QCOMPARE(list.model()->rowCount(), 1000);
        QVERIFY(list.selectionModel()->isRowSelected(0));
        list.setCurrentIndex(list.model()->index(500, 0));
        QCOMPARE(TextOf(chooser, chooser::kName), QStringLiteral("Station 500"));

        QCoreApplication::postEvent(chooser, Batch(500, 1000)); // half of them listed already
        QCoreApplication::sendPostedEvents(chooser, kStationFoundEvent);
        QCOMPARE(answers.count(), 2000);
        QCOMPARE(list.model()->rowCount(), 1500);
        QCOMPARE(list.selectionModel()->selectedRows(), QModelIndexList{list.model()->index(500, 0)});
        QCOMPARE(TextOf(chooser, chooser::kName), QStringLiteral("Station 500"));
        QCOMPARE(TextOf(chooser, chooser::kIpAddress), QStringLiteral("10.1.1.244"));
        QCOMPARE(chooser->GetSelectedStation(false)->syNm, std::string("Station 500"));
        QCOMPARE(list.model()->index(1499, 0).data().toString(), QStringLiteral("Station 1499"));
        delete chooser;
    }

    void aStationNotListedStartsNoCountdown() {
        auto* chooser = SilentChooser();
        QCoreApplication::postEvent(chooser, new StationFoundEvent(Answer(0x0A000102u, 1, "Home")));
        QCoreApplication::sendPostedEvents(chooser, kStationFoundEvent);
        chooser->MarkRestarting(*Answer(0x0A000109u, 9, "Elsewhere"));
        QVERIFY(!chooser->CountdownRunning());
        delete chooser;
    }

    // In a long list the mark finds its station's row by the station alone: that row counts down, and only
    // it.
    void aMarkInALongListCountsDownInItsStationsRowOnly() {
        auto* chooser = SilentChooser();
        QCoreApplication::postEvent(chooser, Batch(0, 1000));
        QCoreApplication::sendPostedEvents(chooser, kStationFoundEvent);
        const QAbstractItemModel& list = *chooser->StationList().model();
        const QString address = list.index(700, 1).data().toString();
        chooser->MarkRestarting(ConfigRecord(*chooser->Stations().At(700)));
        QVERIFY(chooser->CountdownRunning());
        QTRY_VERIFY(list.index(700, 1).data().toString().startsWith(QStringLiteral("Restarting...")));
        for (int row : {0, 699, 701, 999}) {
            QVERIFY(!list.index(row, 1).data().toString().startsWith(QStringLiteral("Restarting")));
        }
        QCOMPARE(chooser->Stations().RowOf(KeyOf(*chooser->Stations().At(700))), std::size_t(700));
        QVERIFY(address != list.index(700, 1).data().toString());
        delete chooser;
    }

    void escapeIsIgnoredAndTheCloseBoxCloses() {
        QPointer<ChooserWindow> chooser = SilentChooser();
        QTest::keyClick(chooser, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(chooser != nullptr && chooser->isVisible());
        chooser->close();
        QTRY_VERIFY(chooser == nullptr);
    }

    void menuStatesFollowTheSelection() {
        auto* chooser = SilentChooser();
        QVERIFY(!Command(*chooser, 0, kMenuSaveAs)->isEnabled());
        QVERIFY(!Command(*chooser, 0, kMenuImportSettings)->isEnabled());
        QVERIFY(Command(*chooser, 0, kMenuNewConfiguration)->isEnabled());
        for (int command :
             std::initializer_list<int>{kMenuRestart, kMenuUploadSoftware, kMenuUploadDefaultSoftware,
                                        kMenuEquivalentNetworkPassword}) {
            QVERIFY(!Command(*chooser, 1, command)->isEnabled());
        }
        QVERIFY(Command(*chooser, 1, kMenuChooseOther)->isEnabled());
        QCoreApplication::postEvent(chooser, new StationFoundEvent(Answer(0x0A000102u, 1, "Home")));
        QCoreApplication::sendPostedEvents(chooser, kStationFoundEvent);
        for (int command : std::initializer_list<int>{
                 kMenuRestart, kMenuUploadSoftware, kMenuUploadDefaultSoftware, kMenuBackUpConfigurations}) {
            QVERIFY(Command(*chooser, 1, command)->isEnabled());
        }
        QVERIFY(!Command(*chooser, 1, kMenuEquivalentNetworkPassword)->isEnabled());
        delete chooser;
    }

    // Ctrl+A selects every station: the details say how many, Configure waits for one station, and the
    // station commands stay on for all of them. One selected again shows its details as before.
    void severalSelectedShowHowManyAndDisableConfigure() {
        auto* chooser = SilentChooser();
        for (std::uint32_t i = 1; i <= 3; ++i) {
            QCoreApplication::postEvent(
                chooser, new StationFoundEvent(Answer(0x0A000100u + i, std::uint8_t(i), "Home")));
        }
        QCoreApplication::sendPostedEvents(chooser, kStationFoundEvent);
        QTreeView& list = chooser->StationList();
        list.setFocus();
        QTest::keyClick(&list, Qt::Key_A, Qt::ControlModifier);
        const auto* count = chooser->findChild<QLabel*>(QStringLiteral("selectionCount"));
        QCOMPARE(chooser->GetSelectedStations().size(), std::size_t(3));
        QVERIFY(!count->isHidden());
        QCOMPARE(count->text(), QStringLiteral("3 base stations selected"));
        QVERIFY(!GetControl(chooser, chooser::kConfigure)->isEnabled());
        QCOMPARE(TextOf(chooser, chooser::kName), QString());
        QVERIFY(Command(*chooser, 1, kMenuRestart)->isEnabled());
        QVERIFY(Command(*chooser, 1, kMenuBackUpConfigurations)->isEnabled());

        QTest::keyClick(&list, Qt::Key_Down); // one station again
        QCOMPARE(chooser->GetSelectedStations().size(), std::size_t(1));
        QVERIFY(count->isHidden());
        QVERIFY(GetControl(chooser, chooser::kConfigure)->isEnabled());
        QCOMPARE(TextOf(chooser, chooser::kName), QStringLiteral("Home"));
        delete chooser;
    }

    void aboutOpensFromTheWindowMenu() {
        auto* chooser = SilentChooser();
        QString title;
        OnNextModal([&](QDialog& dialog) {
            title = dialog.windowTitle();
            dialog.reject();
        });
        QVERIFY(!chooser->actions().isEmpty());
        QCOMPARE(chooser->actions().constFirst()->text(), QStringLiteral("&About Corvane Admin Utility"));
        chooser->actions().constFirst()->trigger();
        QCOMPARE(title, QStringLiteral("About Corvane Admin Utility"));
        delete chooser;
    }

    void configureWithTheRightPasswordOpensAWindowOnTheStation() {
        ChooserHost host;
        QVERIFY(host.WaitForStations());
        SelectByAddress(host, kPlainStation);
        AnswerPassword(QStringLiteral("orchid"));
        ClickControl(&host.chooser(), chooser::kConfigure);
        QCOMPARE(OpenConfigWindows().size(), 1);
        ConfigWindow* window = OpenConfigWindows().constFirst();
        QCOMPARE(window->windowTitle(), QStringLiteral("Configure \"Base Station 1\" Base Station"));
        QVERIFY(GetControl(window, kOk)->isEnabled());
        QCOMPARE(window->Record().stationAddress, 0x7F000001u);
    }

    void configureWithAWrongPasswordShowsMessage135AndOpensNothing() {
        ChooserHost host;
        QVERIFY(host.WaitForStations());
        SelectByAddress(host, kPlainStation);
        AnswerPassword(QStringLiteral("not the password"));
        QString text, code;
        ExpectMessage(&text, &code);
        ClickControl(&host.chooser(), chooser::kConfigure);
        QVERIFY(text.startsWith(QStringLiteral("The password entered does not match")));
        QCOMPARE(code, QStringLiteral("-16"));
        QVERIFY(OpenConfigWindows().isEmpty());
    }

    void configureOnAResetStationUploadsTheDefaultSoftwareAfterTheNote() {
        ChooserHost host;
        QVERIFY(host.WaitForStations());
        const int row = SelectByAddress(host, kResetStation);
        QString caption, text;
        OnNextModal([&](QDialog& dialog) {
            caption = dialog.windowTitle();
            text = TextOf(&dialog, error::kMessage);
            ClickControl(&dialog, kOk);
        });
        // No confirmation and no password dialog follow: the factory password goes with the default image.
        ClickControl(&host.chooser(), chooser::kConfigure);
        QCOMPARE(caption, QStringLiteral("Note"));
        QVERIFY(text.contains(QStringLiteral("has been reset")));
        QVERIFY(text.contains(QStringLiteral("10.0.1.X")));
        QVERIFY(host.StationIsDown(kResetStation));
        QVERIFY(host.chooser().CountdownRunning());
        QTRY_COMPARE(host.RowText(row, 1), QStringLiteral("Restarting...20"));
        QVERIFY(OpenConfigWindows().isEmpty());
    }

    void cancellingTheResetNoteSendsNothing() {
        ChooserHost host;
        QVERIFY(host.WaitForStations());
        SelectByAddress(host, kResetStation);
        OnNextModal([](QDialog& dialog) { ClickControl(&dialog, kCancel); });
        ClickControl(&host.chooser(), chooser::kConfigure);
        QVERIFY(!host.StationIsDown(kResetStation));
        QVERIFY(!host.chooser().CountdownRunning());
    }

    void restartConfirmedRestartsTheStationAndCountsDown_data() {
        QTest::addColumn<bool>("confirm");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel at the confirmation") << false;
    }
    void restartConfirmedRestartsTheStationAndCountsDown() {
        QFETCH(bool, confirm);
        ChooserHost host;
        QVERIFY(host.WaitForStations());
        const int row = SelectByAddress(host, kSecondStation);
        QString text, code;
        ExpectMessage(&text, &code, confirm ? 1 : 2);
        if (confirm) {
            AnswerPassword(QStringLiteral("orchid"));
        }
        FindMenuCommand(&host.chooser().MenuBar(), kMenuRestart)->trigger();
        QVERIFY(text.startsWith(QStringLiteral("Restarting a base station will cause")));
        QCOMPARE(host.StationIsDown(kSecondStation), confirm);
        QCOMPARE(host.chooser().CountdownRunning(), confirm);
        if (confirm) {
            QTRY_COMPARE(host.RowText(row, 1), QStringLiteral("Restarting...20"));
        }
    }

    void uploadSoftwareReportsTheFileOrTheStationsVerdict_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<qint64>("size");  // the file's, its contents followed by a hole; 0: the contents'
        QTest::addColumn<QString>("code"); // empty: success, a countdown
        QTest::newRow("an image") << QByteArray(40000, '\x5A') << true << qint64(0) << QString();
        QTest::newRow("a file that cannot be opened")
            << QByteArray() << false << qint64(0) << QStringLiteral("-6703");
        QTest::newRow("an empty file") << QByteArray() << true << qint64(0) << QStringLiteral("-4");
        // Refused unread, as an image too large for the station, before any connection.
        QTest::newRow("a file larger than the program reads")
            << QByteArray() << true << kMaxConfigurationFileSize + 1 << QStringLiteral("-15");
    }
    void uploadSoftwareReportsTheFileOrTheStationsVerdict() {
        QFETCH(QByteArray, contents);
        QFETCH(bool, exists);
        QFETCH(qint64, size);
        QFETCH(QString, code);
        ChooserHost host;
        QVERIFY(host.WaitForStations());
        SelectByAddress(host, kPlainStation);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("image.bin"));
        if (exists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(contents);
            QVERIFY(size == 0 || file.resize(size));
        }
        FileDialogRequest asked{};
        SetFileDialogHook([&](const FileDialogRequest& request) -> std::optional<QString> {
            asked = request;
            return path;
        });
        OnNextModal([](QDialog& dialog) { ClickControl(&dialog, kOk); }); // the confirmation
        AnswerPassword(QStringLiteral("orchid"));
        QString text, shownCode;
        if (!code.isEmpty()) {
            ExpectMessage(&text, &shownCode);
        }
        FindMenuCommand(&host.chooser().MenuBar(), kMenuUploadSoftware)->trigger();
        QCOMPARE(asked.defaultSuffix, QStringLiteral("bin"));
        QCOMPARE(asked.initialName, QStringLiteral("*.bin"));
        QCOMPARE(shownCode, code);
        QCOMPARE(host.chooser().CountdownRunning(), code.isEmpty());
        if (!code.isEmpty()) {
            QVERIFY(text.startsWith(
                QStringLiteral("An error occurred while trying to access the base station.")));
        }
    }

    void chooseOtherOpensAStationTheListLacksAndLeavesTheListAlone() {
        ChooserHost host;
        QVERIFY(host.WaitForStations());
        OnNextModal([](QDialog& dialog) {
            TypeInto(&dialog, choose_other::kAddress,
                     QString::fromStdString(ChooserHost::StationAddress(kHiddenStation)));
            TypeInto(&dialog, choose_other::kPassword, QStringLiteral("orchid"));
            ClickControl(&dialog, kOk);
        });
        ClickControl(&host.chooser(), chooser::kOther);
        QCOMPARE(OpenConfigWindows().size(), 1);
        QCOMPARE(OpenConfigWindows().constFirst()->windowTitle(),
                 QStringLiteral("Configure \"Base Station 4\" Base Station"));
        QCOMPARE(host.chooser().StationList().model()->rowCount(), kListedStations);
    }

    // While an operation's progress dialog runs its loop, the countdown may end and re-scan: the record the
    // worker is filling must outlive the list that held it.
    void aRescanDuringAnOperationLeavesItsRecordAlive() {
        Event gate{Event::ResetMode::Manual};
        OperationBodies bodies;
        bodies.read = [&gate](OperationContext& context) {
            gate.Wait();
            context.record.syNm = "Filled by the worker";
            return 0;
        };
        ChooserHost host(60000, bodies, std::chrono::milliseconds(1));
        QVERIFY(host.WaitForStations());
        SelectByAddress(host, kPlainStation);
        host.chooser().MarkRestarting(*host.chooser().GetSelectedStation(false));
        AnswerPassword(QStringLiteral("orchid"));
        OnNextModal([&](QDialog& dialog) {
            // The worker goes on even when a check fails, so that the operation ends.
            struct Release {
                Event& gate;
                ~Release() { gate.Set(); }
            } release{gate};
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Progress"));
            // The rescan's answers can refill the list before a poll would see it empty.
            QSignalSpy emptied(host.chooser().StationList().model(), &QAbstractItemModel::modelReset);
            host.now() += 20;
            QTRY_VERIFY(!emptied.isEmpty());
        });
        ClickControl(&host.chooser(), chooser::kConfigure);
        QCOMPARE(OpenConfigWindows().size(), 1);
        QCOMPARE(OpenConfigWindows().constFirst()->windowTitle(),
                 QStringLiteral("Configure \"Filled by the worker\" Base Station"));
    }

    void newConfigurationOpensAnUnnamedWindowThatCannotUpdate() {
        auto* chooser = SilentChooser();
        FindMenuCommand(&chooser->MenuBar(), kMenuNewConfiguration)->trigger();
        QCOMPARE(OpenConfigWindows().size(), 1);
        QCOMPARE(OpenConfigWindows().constFirst()->windowTitle(), QStringLiteral("Configure Base Station"));
        QVERIFY(!GetControl(OpenConfigWindows().constFirst(), 1)->isEnabled());
        delete chooser;
    }

    void openConfigurationFileOpensGoodFilesAndRefusesOthers_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("title"); // empty: message 149, no window
        ConfigRecord named;
        named.syNm = "Garden";
        std::vector<std::uint8_t> image;
        WriteConfigFile(named, image);
        const QByteArray good(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
        QTest::newRow("a configuration file") << good << QStringLiteral("Configure \"Garden\" Base Station");
        QTest::newRow("an empty file") << QByteArray() << QString();
        QTest::newRow("not a configuration file") << QByteArray(300, 'x') << QString();
        QByteArray corrupted = good;
        corrupted[corrupted.size() - 1] = char(corrupted.back() ^ 0x55);
        QTest::newRow("a corrupted body") << corrupted << QString();
    }
    void openConfigurationFileOpensGoodFilesAndRefusesOthers() {
        QFETCH(QByteArray, contents);
        QFETCH(QString, title);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("station.cfg"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        auto* chooser = SilentChooser();
        FileDialogRequest asked{};
        SetFileDialogHook([&](const FileDialogRequest& request) -> std::optional<QString> {
            asked = request;
            return path;
        });
        QString text, code;
        if (title.isEmpty()) {
            ExpectMessage(&text, &code);
        }
        FindMenuCommand(&chooser->MenuBar(), kMenuOpenConfigurationFile)->trigger();
        QCOMPARE(asked.defaultSuffix, QStringLiteral("cfg"));
        QCOMPARE(asked.initialName, QStringLiteral(".cfg"));
        if (title.isEmpty()) {
            QVERIFY(text.startsWith(
                QStringLiteral("An error occurred while trying to read the configuration file.")));
            QVERIFY(code.isEmpty());
            QVERIFY(OpenConfigWindows().isEmpty());
        } else {
            QCOMPARE(OpenConfigWindows().size(), 1);
            QCOMPARE(OpenConfigWindows().constFirst()->windowTitle(), title);
        }
        delete chooser;
    }

private:
    // A chooser whose discovery asks a loopback port where nothing answers.
    ChooserWindow* SilentChooser() {
        auto* chooser = new ChooserWindow(LoopbackDiscovery(silent_.Port()));
        chooser->show();
        return chooser;
    }

    // The addresses the list shows, sorted, a station listed twice twice.
    static QStringList ListedAddresses(ChooserHost& host) {
        QStringList addresses;
        for (int row = 0; row < host.chooser().StationList().model()->rowCount(); ++row) {
            addresses << host.RowText(row, 1);
        }
        addresses.sort();
        return addresses;
    }

    // Selects the row of fleet station N; its row.
    static int SelectByAddress(ChooserHost& host, std::uint32_t station) {
        const QString address = QString::fromStdString(ChooserHost::StationAddress(station));
        for (int row = 0; row < host.chooser().StationList().model()->rowCount(); ++row) {
            if (host.RowText(row, 1) == address) {
                host.SelectRow(row);
                return row;
            }
        }
        return -1;
    }

    DatagramPeer silent_;
};

} // namespace corvane

QTEST_MAIN(corvane::ChooserTest)
#include "chooser_test.moc"
