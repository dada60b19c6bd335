// SPDX-License-Identifier: Apache-2.0
// The program's start and end: the socket layer's failure, command-line files, and closing the chooser.
#include "app/startup.h"
#include "chooser_fixture.h"
#include "config/config_file.h"
#include "config/status_codes.h"
#include "config_windows.h"
#include "files/file_name.h"
#include "mock_peer.h"
#include "modal_driver.h"
#include "resources/main_menu.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/error_controls.h"
#include "strings/ids/menu_commands.h"
#include "widgets/control_binding.h"
#include "widgets/file_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

namespace corvane {
namespace {

// The chooser that start-up made, or null once it is gone.
ChooserWindow* RunningChooser() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* chooser = qobject_cast<ChooserWindow*>(widget)) {
            return chooser;
        }
    }
    return nullptr;
}

} // namespace

using namespace testing;

class StartupTest : public testing::ConfigWindowTestCase {
    Q_OBJECT

private slots:
    void withoutSocketsItSaysSoAndOpensNothing() {
        QString text;
        OnNextModal([&](QDialog& dialog) {
            auto* box = qobject_cast<QMessageBox*>(&dialog);
            QVERIFY(box != nullptr);
            text = box->text();
            box->accept();
        });
        StartupOptions options = Options();
        options.startSockets = [] { return socket_status::kSocketsUnavailable; };
        QCOMPARE(StartAdminUtility({}, options), nullptr);
        QCOMPARE(text, QStringLiteral("Windows sockets initialization failed."));
        QVERIFY(OpenConfigWindows().isEmpty());
    }

    void opensOneWindowPerGoodFileAndOneMessagePerBadOne_data() {
        QTest::addColumn<QStringList>("files"); // names of files made below; "missing" is never made
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<int>("messages");
        QTest::newRow("no arguments") << QStringList{} << QStringList{} << 0;
        QTest::newRow("two files") << QStringList{"Home", "Office"}
                                   << QStringList{"Configure \"Home\" Base Station",
                                                  "Configure \"Office\" Base Station"}
                                   << 0;
        QTest::newRow("one file unreadable")
            << QStringList{"missing", "Office"} << QStringList{"Configure \"Office\" Base Station"} << 1;
    }
    void opensOneWindowPerGoodFileAndOneMessagePerBadOne() {
        QFETCH(QStringList, files);
        QFETCH(QStringList, titles);
        QFETCH(int, messages);
        QTemporaryDir dir;
        QStringList paths;
        for (const QString& name : files) {
            paths << dir.filePath(name + QStringLiteral(".cfg"));
            if (name != QStringLiteral("missing")) {
                ConfigRecord record;
                record.syNm = name.toStdString();
                std::vector<std::uint8_t> image;
                QCOMPARE(WriteConfigFile(record, image), 0);
                QFile file(paths.back());
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
            }
        }
        QStringList shown;
        for (int i = 0; i < messages; ++i) {
            OnNextModal([&](QDialog& dialog) {
                shown << TextOf(&dialog, error::kMessage);
                ClickControl(&dialog, kOk);
            });
        }
        // The order the windows open in is the order of the arguments.
        QList<QPointer<ConfigWindow>> opened;
        WindowWatcher watcher(opened);
        const QPointer<ChooserWindow> chooser = StartAdminUtility(paths, Options());
        QVERIFY(chooser != nullptr);
        QVERIFY(chooser->isVisible());
        QStringList openedTitles;
        for (const QPointer<ConfigWindow>& window : opened) {
            openedTitles << (window != nullptr ? window->windowTitle() : QString());
        }
        QCOMPARE(openedTitles, titles);
        QCOMPARE(shown.size(), messages);
        for (const QString& text : shown) {
            QVERIFY(text.startsWith(
                QStringLiteral("An error occurred while trying to read the configuration file.")));
        }
        delete chooser.data();
    }

    // A name from the command line whose bytes are not UTF-8 (made on a Latin-1 system) opens by those bytes.
    void opensAFileWhoseNameIsNotUtf8() {
        QTemporaryDir dir;
        const QByteArray bytes = QFile::encodeName(dir.path()) + "/b\xFCro.cfg";
        ConfigRecord record;
        record.syNm = "Cellar";
        std::vector<std::uint8_t> image;
        QCOMPARE(WriteConfigFile(record, image), 0);
        std::ofstream(bytes.constData(), std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
        QList<QPointer<ConfigWindow>> opened;
        WindowWatcher watcher(opened);
        const QPointer<ChooserWindow> chooser = StartAdminUtility({FileNameFromBytes(bytes)}, Options());
        QVERIFY(chooser != nullptr);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.front()->windowTitle(), QStringLiteral("Configure \"Cellar\" Base Station"));
        delete chooser.data();
        std::filesystem::remove(bytes.toStdString()); // which Qt could not remove either
    }

    // The program keeps nothing between runs: not even the folder its file dialog last showed.
    void theFileDialogLeavesNothingInTheProfile() {
        const QPointer<ChooserWindow> chooser = StartAdminUtility({}, Options());
        QVERIFY(chooser != nullptr);
        QTemporaryDir dir;
        FileDialogRequest request{};
        request.kind = FileDialogRequest::Kind::Open;
        std::unique_ptr<QFileDialog> dialog = MakeFileDialog(chooser, request);
        dialog->setDirectory(dir.path());
        dialog.reset(); // a dialog stores its history as it closes
        QVERIFY(
            !QSettings(QSettings::UserScope, QStringLiteral("QtProject")).contains("FileDialog/lastVisited"));
        delete chooser.data();
    }

    void closingTheChooserEndsTheProgramEvenWithWindowsOpen() {
        QPointer<ConfigWindow> window;
        QTimer::singleShot(0, [&] {
            window = ConfigWindow::Open(nullptr);
            window->Record().syNm = "Unsaved edit";
            RunningChooser()->close();
        });
        QCOMPARE(RunAdminUtility({}, Options()), 0);
        QVERIFY(RunningChooser() == nullptr);
        QVERIFY(window == nullptr);
    }

    void exitEndsTheProgram() {
        QTimer::singleShot(0, [] { FindMenuCommand(&RunningChooser()->MenuBar(), kMenuExit)->trigger(); });
        QCOMPARE(RunAdminUtility({}, Options()), 0);
        QVERIFY(RunningChooser() == nullptr);
    }

private:
    // Records configuration windows in the order they show.
    class WindowWatcher : public QObject {
    public:
        explicit WindowWatcher(QList<QPointer<ConfigWindow>>& windows) : windows_(windows) {
            qApp->installEventFilter(this);
        }
        ~WindowWatcher() override { qApp->removeEventFilter(this); }

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Show) {
                if (auto* window = qobject_cast<ConfigWindow*>(watched);
                    window != nullptr && !windows_.contains(window)) {
                    windows_ << window;
                }
            }
            return false;
        }

    private:
        QList<QPointer<ConfigWindow>>& windows_;
    };

    StartupOptions Options() {
        StartupOptions options;
        options.chooser = LoopbackDiscovery(silent_.Port());
        return options;
    }

    DatagramPeer silent_;
};

} // namespace corvane

QTEST_MAIN(corvane::StartupTest)
#include "startup_test.moc"
