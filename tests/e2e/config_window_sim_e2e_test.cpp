// SPDX-License-Identifier: Apache-2.0
// The configuration window's station commands against corvane-sim as two processes in the private test
// network: this test is the utility (offscreen) in the client namespace; the simulator answers from the lan
// namespace and keeps each station's configuration in a file of the test's state directory.
#include "app/chooser_window.h"
#include "config/config_record.h"
#include "config/status_codes.h"
#include "config_windows.h"
#include "configwindow/config_window.h"
#include "desktop/configuration_file.h"
#include "fleet_test_case.h"
#include "modal_driver.h"
#include "pages/config_page.h"
#include "pages/property_sheet.h"
#include "simulated_fleet.h"
#include "strings/ids/corvane_page_controls.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/error_controls.h"
#include "strings/ids/menu_commands.h"
#include "strings/ids/string_ids.h"
#include "strings/string_table.h"
#include "widgets/control_binding.h"
#include "widgets/file_dialog.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <memory>

namespace corvane {

using namespace testing;
using namespace e2e;

namespace {

// A reply whose header checksum is wrong, and a connection the station closed: both the same status.
static_assert(session_status::kReplyChecksumWrong == socket_status::kConnectionLost);
constexpr int kBrokenReply = session_status::kReplyChecksumWrong;

// Each station command of the window, as the user starts it.
enum class Command { Update, Restart, Upload };

// The simulator's faults, one station per fault and command: station 1 + 3 × fault row + command.
const char* const kFaults[] = {"bad-reply-checksum", "close-mid-stream", "stall", "lying-status-length",
                               "giant-length"};
constexpr int kFaultStations = 3 * int(std::size(kFaults));
constexpr int kWrongPasswordStation = kFaultStations + 1;
constexpr int kStations = kWrongPasswordStation;
constexpr int kUnreachableStation = kStations + 10; // inside the lan's block, where nothing listens

// Stations 1 to kFaultStations, three for each fault.
std::vector<std::string> FaultOptions() {
    std::vector<std::string> options;
    for (int station = 1; station <= kFaultStations; ++station) {
        options.push_back("--fault");
        options.push_back(std::to_string(station) + ":" + kFaults[(station - 1) / 3]);
    }
    return options;
}

// The process's threads, leaving out the idle workers of Qt's shared pool (they come and go on their own).
int ThreadCount() {
    const QDir tasks(QStringLiteral("/proc/self/task"));
    int count = 0;
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(task + QStringLiteral("/comm")));
        count += name.open(QIODevice::ReadOnly) && !name.readAll().startsWith("Thread (pooled)") ? 1 : 0;
    }
    return count;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ConfigWindowSimTest : public FleetTestCase {
    Q_OBJECT

public:
    ConfigWindowSimTest() : FleetTestCase(kStations, FaultOptions()) {}

protected:
    void SetUpOnce() override {
        image_ = filesDir_.filePath(QStringLiteral("software.bin"));
        QFile file(image_);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(300000, '\x3C'));
    }

private slots
    : // Every fault against every station command: what the user is told, and that nothing else happens.
    void faultMatrix_data() {
        QTest::addColumn<int>("station");
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("password");
        QTest::addColumn<unsigned>("message"); // 0: none; kSucceeds: the command succeeds
        QTest::addColumn<QString>("code");
        const char* const names[] = {"Update", "Restart", "Upload"};
        struct Row {
            const char* fault;
            unsigned message[3];
            int code[3]; // 0: none shown
        };
        // A stalled station is cancelled from the progress dialog: no message. Faults in a reply's elements
        // touch only reads; a write, a restart and an upload never see them.
        const Row rows[] = {
            {"bad-reply-checksum",
             {kStrStationAccessError, kStrStationAccessError, kStrStationAccessError},
             {kBrokenReply, kBrokenReply, kBrokenReply}},
            {"close-mid-stream",
             {kStrStationAccessError, kStrStationAccessError, kStrStationAccessError},
             {kBrokenReply, kBrokenReply, kBrokenReply}},
            {"stall", {0, 0, 0}, {0, 0, 0}},
            {"lying-status-length", {kSucceeds, kSucceeds, kSucceeds}, {0, 0, 0}},
            {"giant-length", {kSucceeds, kSucceeds, kSucceeds}, {0, 0, 0}},
        };
        for (int fault = 0; fault < int(std::size(rows)); ++fault) {
            for (int command = 0; command < 3; ++command) {
                QTest::addRow("%s %s", rows[fault].fault, names[command])
                    << 1 + 3 * fault + command << command << QStringLiteral("orchid")
                    << rows[fault].message[command]
                    << (rows[fault].code[command] == 0 ? QString()
                                                       : QString::number(rows[fault].code[command]));
            }
        }
        for (int command = 0; command < 3; ++command) {
            QTest::addRow("wrong password %s", names[command])
                << kWrongPasswordStation << command << QStringLiteral("not the password")
                << unsigned(kStrWrongPassword) << QString::number(session_status::kWrongPassword);
            QTest::addRow("unreachable %s", names[command])
                << kUnreachableStation << command << QStringLiteral("orchid")
                << unsigned(kStrStationAccessError)
                << QString::number(ECONNREFUSED); // the system's error, passed through
        }
    }
    void faultMatrix() {
        QFETCH(int, station);
        QFETCH(int, command);
        QFETCH(QString, password);
        QFETCH(unsigned, message);
        QFETCH(QString, code);
        const QString state = StatePath(stateDir_.path(), station);
        const QByteArray stored = Contents(state);
        const int threads = ThreadCount();

        ConfigRecord record;
        QVERIFY(station == kUnreachableStation || ReadConfigurationFile(state, record));
        record.stationAddress = StationNumber(station);
        record.adminPassword = password.toStdString();
        QList<std::uint32_t> marked;
        QPointer<ConfigWindow> window = ConfigWindow::Open(
            &record, {nullptr, [&](const ConfigRecord& r) { marked << r.stationAddress; }});
        const QString edited = QStringLiteral("Edited in the matrix");
        TypeInto(window->Sheet().Page(0), corvane_page::kName, edited);

        QString shownText, shownCode;
        bool cancelled = false;
        Prepare(Command(command));
        if (message != kSucceeds && message != 0) {
            OnNextModal([&](QDialog& dialog) {
                shownText = TextOf(&dialog, error::kMessage);
                shownCode = TextOf(&dialog, error::kCode);
                ClickControl(&dialog, kOk);
            });
        } else if (message == 0) {
            OnNextModal([&](QDialog& dialog) { // the progress dialog, two seconds in
                cancelled = true;
                ClickControl(&dialog, kCancel);
            });
        }
        Start(window, Command(command));

        if (message == kSucceeds) {
            QCOMPARE(marked, QList<std::uint32_t>{StationNumber(station)});
            QTRY_VERIFY(window == nullptr);
        } else {
            QCOMPARE(cancelled, message == 0);
            if (message != 0) {
                QCOMPARE(shownText + shownCode, ResourceText(StringId(message)) + code);
                QCOMPARE(shownCode, code);
            }
            QVERIFY(marked.isEmpty());
            QCoreApplication::processEvents();
            QVERIFY(window != nullptr && window->isVisible());
            QCOMPARE(TextOf(window->Sheet().Page(0), corvane_page::kName), edited);
            QCOMPARE(window->Record().stationAddress, StationNumber(station));
            // The station's configuration is as it was. (A station whose upload reply is damaged may have
            // kept the image: it has taken it whole before answering; without the restart it never runs.)
            QCOMPARE(Contents(state), stored);
        }
        QCOMPARE(ThreadCount(), threads);
    }

private:
    static constexpr unsigned kSucceeds = ~0u;

    // Queues what the command asks before it reaches the station: the confirmation, the software file.
    void Prepare(Command command) {
        if (command != Command::Update) {
            OnNextModal([](QDialog& dialog) { ClickControl(&dialog, kOk); });
        }
        if (command == Command::Upload) {
            SetFileDialogHook([this](const FileDialogRequest&) -> std::optional<QString> { return image_; });
        }
    }
    static void Start(ConfigWindow* window, Command command) {
        switch (command) {
        case Command::Update:
            ClickControl(window, kOk);
            break;
        case Command::Restart:
            RunMenuCommand(window, kMenuRestart);
            break;
        case Command::Upload:
            RunMenuCommand(window, kMenuUploadSoftware);
            break;
        }
    }

    QTemporaryDir filesDir_;
    QString image_;
};

} // namespace corvane

QTEST_MAIN(corvane::ConfigWindowSimTest)
#include "config_window_sim_e2e_test.moc"
