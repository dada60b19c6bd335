// SPDX-License-Identifier: Apache-2.0
// The configuration window's commands on stand-in pages and a scripted station: what is checked, stored and
// sent, what the user is told, and whether the window stays.
#include "config/config_file.h"
#include "config/config_record.h"
#include "config/network_password.h"
#include "config/property_catalogue.h"
#include "config/status_codes.h"
#include "config_windows.h"
#include "configwindow/config_window.h"
#include "configwindow/settings_pages.h"
#include "desktop/configuration_file.h"
#include "desktop/qt_operation_ui.h"
#include "files/bounded_read.h"
#include "modal_driver.h"
#include "pages/config_page.h"
#include "pages/property_sheet.h"
#include "resources/default_firmware.h"
#include "runner/operation_runner.h"
#include "strings/ids/corvane_page_controls.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/error_controls.h"
#include "strings/ids/menu_commands.h"
#include "strings/ids/network_page_controls.h"
#include "strings/ids/network_password_controls.h"
#include "strings/ids/string_ids.h"
#include "strings/ids/template_ids.h"
#include "strings/string_table.h"
#include "widgets/control_binding.h"
#include "widgets/file_dialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <deque>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane {

using namespace testing;

namespace {

// The stand-in pages' controls: the wireless page's name, the network page's two connection switches.
constexpr int kNameEdit = corvane_page::kName;
constexpr int kDistributeAddresses = network_page::kDistributeAddresses;
constexpr int kShareSingleAddress = network_page::kShareSingleAddress;
constexpr std::uint32_t kStation = 0x0A000102;

// What the host asked of its pages, in order.
QStringList journal;

// A page with a field or two of its own; whether it validates and stores is the test's to say.
class StandInPage : public ConfigPage {
public:
    StandInPage(unsigned templateId, QWidget* parent) : ConfigPage(templateId, parent) {
        setWindowTitle(QString::number(templateId));
        if (templateId == kTemplateCorvanePage) {
            name_ = new QLineEdit(this);
            name_->setProperty(kControlIdProperty, kNameEdit);
        } else if (templateId == kTemplateNetworkPage) {
            distribute_ = new QCheckBox(this);
            distribute_->setProperty(kControlIdProperty, kDistributeAddresses);
            share_ = new QCheckBox(this);
            share_->setProperty(kControlIdProperty, kShareSingleAddress);
            share_->move(0, 30);
        }
    }
    bool Validate() override {
        journal << windowTitle() + ":Validate";
        return valid;
    }
    bool SaveSettings() override {
        journal << windowTitle() + ":Save";
        if (name_ != nullptr) {
            configuration->syNm = name_->text().toStdString();
        }
        return stores;
    }
    void LoadSettings() override {
        if (name_ != nullptr) {
            name_->setText(QString::fromStdString(configuration->syNm));
        }
    }

    bool valid = true;
    bool stores = true;

private:
    QLineEdit* name_ = nullptr;
    QCheckBox* distribute_ = nullptr;
    QCheckBox* share_ = nullptr;
};

std::vector<ConfigPage*> StandInPages(QWidget* parent) {
    return {new StandInPage(kTemplateCorvanePage, parent), new StandInPage(kTemplateInternetPage, parent),
            new StandInPage(kTemplateNetworkPage, parent)};
}

// A station that answers every exchange with the status the test chose, and notes what reached it.
struct ScriptedStation {
    int status = 0;
    QStringList exchanges;
    ConfigRecord received;
    std::uint32_t imageSize = 0;

    OperationBodies Bodies() {
        auto note = [this](const char* name) {
            return [this, name](OperationContext& context) {
                exchanges << QString::fromLatin1(name);
                received = context.record;
                imageSize = context.extra.size;
                return status;
            };
        };
        return {note("read"), note("write"), note("restart"), note("upload")};
    }
};

// What an Error dialog showed.
struct Shown {
    QString title;
    QString message;
    QString code;
};

void AnswerNext(Shown& shown, int button = 1) {
    OnNextModal([&shown, button](QDialog& dialog) {
        shown = {dialog.windowTitle(), TextOf(&dialog, error::kMessage),
                 IsShown(&dialog, error::kCode) ? TextOf(&dialog, error::kCode) : QString()};
        ClickControl(&dialog, button);
    });
}

ConfigRecord StationRecord(const char* name) {
    ConfigRecord record;
    record.stationAddress = kStation;
    record.adminPassword = "orchid";
    record.syNm = name;
    return record;
}

// The answers to the next file dialogs (nothing: cancelled), and the requests they answered.
std::deque<std::optional<QString>> fileAnswers;
QList<FileDialogRequest> fileRequests;

std::optional<QString> AnswerFileDialog(const FileDialogRequest& request) {
    fileRequests << request;
    if (fileAnswers.empty()) {
        return std::nullopt;
    }
    std::optional<QString> answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

void Confirm(int button = 1) {
    OnNextModal([button](QDialog& dialog) { ClickControl(&dialog, button); });
}

QFile::Permissions Owner() {
    return QFile::ReadOwner | QFile::WriteOwner;
}

// The permission bits of the file for its owner, its group and others.
QFile::Permissions ModeOf(const QString& path) {
    const QFile::Permissions all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                   QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                                   QFile::WriteOther | QFile::ExeOther;
    return QFile::permissions(path) & all;
}

// Beside ScriptedStation in the unnamed namespace: a class outside it may not hold one.
class ConfigWindowCommandsTest : public testing::ConfigWindowTestCase {
    Q_OBJECT

private:
    QtOperationUi ui_;
    ScriptedStation station_;
    std::unique_ptr<OperationRunner> runner_;
    QList<std::uint32_t> marked_;
    QTemporaryDir dir_;

    // A window on `source` whose station is the scripted one.
    QPointer<ConfigWindow> Open(const ConfigRecord& source, SettingsPageFactory pages = StandInPages) {
        StationLink link{runner_.get(),
                         [this](const ConfigRecord& record) { marked_ << record.stationAddress; }};
        QPointer<ConfigWindow> window = new ConfigWindow(&source, pages, std::move(link));
        window->show();
        return window;
    }
    static StandInPage* Page(ConfigWindow* window, int index) {
        return static_cast<StandInPage*>(window->Sheet().Page(index));
    }
    // Types at the end of the name, as a user who clicked there would.
    static void AppendToName(ConfigWindow* window, const QString& text) {
        QTest::keyClick(NameEdit(window), Qt::Key_End);
        QTest::keyClicks(NameEdit(window), text);
    }
    static QLineEdit* NameEdit(ConfigWindow* window) {
        return qobject_cast<QLineEdit*>(GetControl(window->Sheet().Page(0), kNameEdit));
    }

protected:
    void EndCase() override {
        ConfigWindowTestCase::EndCase();
        QVERIFY2(fileAnswers.empty(), "a file dialog the test expected did not show");
    }

private slots:
    void init() {
        journal.clear();
        station_ = {};
        marked_.clear();
        runner_ = std::make_unique<OperationRunner>(ui_, station_.Bodies());
        fileAnswers.clear();
        fileRequests.clear();
        SetFileDialogHook(AnswerFileDialog);
    }

    void updateChecksStoresAndSendsThenTheStationCountsDown() {
        QPointer<ConfigWindow> window = Open(StationRecord("Home"));
        AppendToName(window, QStringLiteral(" Office"));
        ClickControl(window, kOk);
        QCOMPARE(journal, (QStringList{"105:Validate", "135:Validate", "140:Validate", "105:Save", "135:Save",
                                       "140:Save"}));
        QCOMPARE(station_.exchanges, QStringList{"write"});
        QCOMPARE(station_.received.syNm, std::string("Home Office"));
        QCOMPARE(marked_, QList<std::uint32_t>{kStation});
        QTRY_VERIFY(window == nullptr);
    }

    void aFailedUpdateKeepsTheWindowWithItsEdits_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<unsigned>("message");
        QTest::addColumn<QString>("code");
        QTest::newRow("wrong password") << session_status::kWrongPassword << unsigned(kStrWrongPassword)
                                        << QString::number(session_status::kWrongPassword);
        QTest::newRow("out of memory") << file_status::kOutOfMemory << unsigned(kStrOutOfMemory)
                                       << QString::number(file_status::kOutOfMemory);
        QTest::newRow("aborted") << socket_status::kAborted << unsigned(kStrStationAccessError)
                                 << QString::number(socket_status::kAborted);
        QTest::newRow("cancelled") << runner_status::kCancelled << 0u << QString();
    }
    void aFailedUpdateKeepsTheWindowWithItsEdits() {
        QFETCH(int, status);
        QFETCH(unsigned, message);
        QFETCH(QString, code);
        QPointer<ConfigWindow> window = Open(StationRecord("Home"));
        AppendToName(window, QStringLiteral(" edited"));
        station_.status = status;
        Shown shown;
        if (message != 0) {
            AnswerNext(shown);
        }
        ClickControl(window, kOk);
        QCOMPARE(station_.exchanges, QStringList{"write"});
        if (message != 0) {
            QCOMPARE(shown.message, ResourceText(StringId(message)));
            QCOMPARE(shown.code, code);
        }
        QCoreApplication::processEvents();
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(NameEdit(window)->text(), QStringLiteral("Home edited"));
        QVERIFY(marked_.isEmpty());
    }

    void aPageThatRefusesStopsTheCommandBeforeAnythingIsSent_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("invalid");
        QTest::addColumn<QStringList>("asked");
        QTest::newRow("second page invalid") << 1 << true << QStringList{"105:Validate", "135:Validate"};
        QTest::newRow("second page does not store")
            << 1 << false
            << QStringList{"105:Validate", "135:Validate", "140:Validate", "105:Save", "135:Save"};
    }
    void aPageThatRefusesStopsTheCommandBeforeAnythingIsSent() {
        QFETCH(int, page);
        QFETCH(bool, invalid);
        QFETCH(QStringList, asked);
        for (const bool saveAs : {false, true}) {
            QPointer<ConfigWindow> window = Open(StationRecord("Home"));
            journal.clear();
            (invalid ? Page(window, page)->valid : Page(window, page)->stores) = false;
            if (saveAs) {
                RunMenuCommand(window, kMenuSaveAs); // a file dialog would be unexpected
            } else {
                ClickControl(window, kOk);
            }
            QCOMPARE(journal, asked);
            QVERIFY(station_.exchanges.isEmpty());
            QVERIFY(window != nullptr && window->isVisible());
            delete window.data();
        }
    }

    void pppConnectionsNeedTheNetworkPageToServeThem_data() {
        QTest::addColumn<std::uint32_t>("connection");
        QTest::addColumn<std::uint32_t>("ethernet");
        QTest::addColumn<bool>("distribute");
        QTest::addColumn<bool>("nat");
        QTest::addColumn<unsigned>("message"); // 0: accepted
        QTest::addColumn<int>("focus");
        QTest::newRow("modem without distribution")
            << 4u << 0x400u << false << true << unsigned(kStrPppNeedsDhcp) << kDistributeAddresses;
        QTest::newRow("modem, distribution off and a range")
            << 4u << 0x400u << false << false << unsigned(kStrPppNeedsDhcp) << kDistributeAddresses;
        QTest::newRow("modem with a DHCP range")
            << 4u << 0x400u << true << false << unsigned(kStrDhcpRangeNeedsStaticEthernet)
            << kShareSingleAddress;
        QTest::newRow("PPPoE with a DHCP range")
            << 16u << 0x900u << true << false << unsigned(kStrDhcpRangeNeedsStaticEthernet)
            << kShareSingleAddress;
        QTest::newRow("PPPoE without distribution")
            << 16u << 0x900u << false << true << unsigned(kStrPppNeedsDhcp) << kDistributeAddresses;
        QTest::newRow("static Ethernet, both off") << 16u << 0x400u << false << false << 0u << 0;
        QTest::newRow("modem sharing one address") << 4u << 0x400u << true << true << 0u << 0;
    }
    void pppConnectionsNeedTheNetworkPageToServeThem() {
        QFETCH(std::uint32_t, connection);
        QFETCH(std::uint32_t, ethernet);
        QFETCH(bool, distribute);
        QFETCH(bool, nat);
        QFETCH(unsigned, message);
        QFETCH(int, focus);
        ConfigRecord source = StationRecord("Home");
        source.waIn = connection;
        source.waCV = ethernet;
        source.raDS = distribute ? 1 : 0;
        source.raNA = nat ? 1 : 0;
        const QString path = dir_.filePath(QStringLiteral("ppp.cfg"));
        QFile::remove(path);
        for (const bool saveAs : {false, true}) {
            QPointer<ConfigWindow> window = Open(source);
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            Shown shown;
            if (message != 0) {
                AnswerNext(shown);
            } else if (saveAs) {
                fileAnswers.push_back(path);
            }
            if (saveAs) {
                RunMenuCommand(window, kMenuSaveAs);
            } else {
                ClickControl(window, kOk);
            }
            if (message == 0) {
                QCOMPARE(saveAs ? QFile::exists(path) : station_.exchanges == QStringList{"write"}, true);
                delete window.data();
                continue;
            }
            QCOMPARE(shown.message, ResourceText(StringId(message)));
            QVERIFY(shown.code.isEmpty());
            QVERIFY(station_.exchanges.isEmpty());
            QVERIFY(!QFile::exists(path));
            QCOMPARE(window->Sheet().currentIndex(), 2);
            QTRY_COMPARE(window->focusWidget(), GetControl(window->Sheet().Page(2), focus));
            delete window.data();
        }
    }

    void saveAsProposesTheStationNameAndWritesTheFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("named") << QStringLiteral("Home") << QStringLiteral("Home.cfg");
        QTest::newRow("unnamed") << QString() << QStringLiteral(".cfg");
    }
    void saveAsProposesTheStationNameAndWritesTheFile() {
        QFETCH(QString, name);
        QFETCH(QString, proposed);
        QPointer<ConfigWindow> window = Open(StationRecord(name.toUtf8().constData()));
        const QString path = dir_.filePath(proposed + QStringLiteral(".saved"));
        fileAnswers.push_back(path);
        RunMenuCommand(window, kMenuSaveAs);
        QCOMPARE(fileRequests.constLast().kind, FileDialogRequest::Kind::Save);
        QCOMPARE(fileRequests.constLast().initialName, proposed);
        QCOMPARE(fileRequests.constLast().filter, ResourceText(kStrConfigFileFilter));
        QCOMPARE(fileRequests.constLast().defaultSuffix, QStringLiteral("cfg"));
        ConfigRecord saved;
        QVERIFY(ReadConfigurationFile(path, saved));
        QCOMPARE(QString::fromStdString(saved.syNm), name);
        QVERIFY(station_.exchanges.isEmpty());
        QVERIFY(window != nullptr && window->isVisible());
    }

    // The station's Windows-1252 name, made the name of one file in the folder the dialog shows.
    void saveAsProposesAPlainFileName_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("plain") << QByteArray("Home") << QStringLiteral("Home.cfg");
        QTest::newRow("Windows-1252") << QByteArray("Caf\xE9 \x80") << QStringLiteral("Caf\u00E9 \u20AC.cfg");
        QTest::newRow("up a folder") << QByteArray("../escaped") << QStringLiteral("_._escaped.cfg");
        QTest::newRow("absolute") << QByteArray("/etc/passwd") << QStringLiteral("_etc_passwd.cfg");
        QTest::newRow("hidden") << QByteArray(".profile") << QStringLiteral("_profile.cfg");
        QTest::newRow("control characters") << QByteArray("a\tb\nc\x7F\x81") << QStringLiteral("a_b_c__.cfg");
        QTest::newRow("backslash") << QByteArray("a\\b") << QStringLiteral("a_b.cfg");
    }
    void saveAsProposesAPlainFileName() {
        QFETCH(QByteArray, name);
        QFETCH(QString, proposed);
        QPointer<ConfigWindow> window = Open(StationRecord(name.constData()), MakeSettingsPages);
        fileAnswers.push_back(std::nullopt);
        RunMenuCommand(window, kMenuSaveAs);
        QCOMPARE(fileRequests.constLast().initialName, proposed);
    }

    void saveAsWritesSecretsForTheOwnerOnlyAndKeepsAnExistingFilesPermissions() {
        QPointer<ConfigWindow> window = Open(StationRecord("Home"));
        const QString fresh = dir_.filePath(QStringLiteral("fresh.cfg"));
        const mode_t mask = ::umask(0022);
        fileAnswers.push_back(fresh);
        RunMenuCommand(window, kMenuSaveAs);
        QCOMPARE(ModeOf(fresh), Owner());

        const QString shared = dir_.filePath(QStringLiteral("shared.cfg"));
        QFile existing(shared);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        const QFile::Permissions groupToo = Owner() | QFile::ReadGroup;
        QVERIFY(existing.setPermissions(groupToo));
        fileAnswers.push_back(shared);
        RunMenuCommand(window, kMenuSaveAs);
        ::umask(mask);
        QCOMPARE(ModeOf(shared), groupToo);
        ConfigRecord saved;
        QVERIFY(ReadConfigurationFile(shared, saved));
    }

    // Save As may do what a plain write may. "May not write" is the system's answer for this process (root
    // may write a read-only file, as with any other program), so the case holds under any user.
    void saveAsDoesWhatAPlainWriteMay() {
        QPointer<ConfigWindow> window = Open(StationRecord("Home"));
        const QTemporaryDir dir;
        const QString readOnly = dir.filePath(QStringLiteral("read-only.cfg"));
        QVERIFY(QFile(readOnly).open(QIODevice::WriteOnly));
        QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner));
        const bool mayWrite =
            ::faccessat(AT_FDCWD, QFile::encodeName(readOnly).constData(), W_OK, AT_EACCESS) == 0;
        Shown shown;
        if (!mayWrite) {
            AnswerNext(shown);
        }
        fileAnswers.push_back(readOnly);
        RunMenuCommand(window, kMenuSaveAs);
        QCOMPARE(shown.message, mayWrite ? QString() : ResourceText(kStrConfigFileWriteError));
        ConfigRecord saved;
        QCOMPARE(ReadConfigurationFile(readOnly, saved), mayWrite);
        QCOMPARE(ModeOf(readOnly), QFile::Permissions(QFile::ReadOwner));

        // A writable file in a folder that takes no new file is written where it is.
        const QString locked = dir.filePath(QStringLiteral("locked"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("locked")));
        const QString inLocked = locked + QStringLiteral("/open.cfg");
        QVERIFY(QFile(inLocked).open(QIODevice::WriteOnly));
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
        fileAnswers.push_back(inLocked);
        RunMenuCommand(window, kMenuSaveAs);
        QVERIFY(ReadConfigurationFile(inLocked, saved));
        QCOMPARE(QString::fromStdString(saved.syNm), QStringLiteral("Home"));
        QVERIFY(QFile::setPermissions(locked, Owner() | QFile::ExeOwner));
    }

    void aSaveThatFailsHalfWayKeepsThePreviousFile() {
        QPointer<ConfigWindow> window = Open(StationRecord("Home"));
        const QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("previous.cfg"));
        QFile previous(path);
        QVERIFY(previous.open(QIODevice::WriteOnly));
        const QByteArray before(4096, 'p');
        previous.write(before);
        previous.close();

        // A file-size limit below the configuration's size makes the write fail part-way, as a full disk
        // would.
        struct rlimit saved {};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        small.rlim_cur = 200;
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        Shown shown;
        AnswerNext(shown);
        fileAnswers.push_back(path);
        RunMenuCommand(window, kMenuSaveAs);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QCOMPARE(shown.message, ResourceText(kStrConfigFileWriteError));
        QVERIFY(shown.code.isEmpty());
        QVERIFY(previous.open(QIODevice::ReadOnly));
        QCOMPARE(previous.readAll(), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"previous.cfg"});
        QVERIFY(window != nullptr && window->isVisible());
    }

    // Opened and saved unchanged, every text a file holds keeps its bytes, however much longer than an edit's
    // usual limit.
    void saveAsKeepsEveryLongTextWhole() {
        ConfigRecord source = StationRecord("Home");
        std::vector<std::pair<QString, std::string ConfigRecord::*>> texts;
        char letter = 'a';
        for (const PropertyDescriptor& property : PropertyCatalogue) {
            const auto* field = std::get_if<std::string ConfigRecord::*>(&property.field);
            if (field != nullptr && property.transferOrder != kNotTransferred) {
                texts.emplace_back(QString::fromLatin1(property.label), *field);
                source.*(*field) = std::string(40000, letter++);
            }
        }
        QVERIFY(texts.size() > 10);
        QPointer<ConfigWindow> window = Open(source, MakeSettingsPages);
        const QString path = dir_.filePath(QStringLiteral("long.cfg"));
        fileAnswers.push_back(path);
        RunMenuCommand(window, kMenuSaveAs);
        ConfigRecord saved;
        QVERIFY(ReadConfigurationFile(path, saved));
        for (const auto& [label, text] : texts) {
            QVERIFY2(saved.*text == source.*text, qPrintable(label));
        }
    }

    void importReplacesTheSettingsButNotTheStation() {
        ConfigRecord other = StationRecord("Garden");
        other.stationAddress = 0x0A000199;
        other.adminPassword = "other";
        other.raCh = 11;
        const QString path = dir_.filePath(QStringLiteral("Garden.cfg"));
        QVERIFY(WriteConfigurationFile(path, other));

        QPointer<ConfigWindow> window = Open(StationRecord("Home"));
        fileAnswers.push_back(path);
        RunMenuCommand(window, kMenuImportSettings);
        QCOMPARE(fileRequests.constLast().kind, FileDialogRequest::Kind::Open);
        QCOMPARE(fileRequests.constLast().initialName, QStringLiteral(".cfg"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Configure \"Garden\" Base Station"));
        QCOMPARE(NameEdit(window)->text(), QStringLiteral("Garden"));
        QCOMPARE(window->Record().raCh, 11u);

        ClickControl(window, kOk);
        QCOMPARE(station_.exchanges, QStringList{"write"});
        QCOMPARE(station_.received.stationAddress, kStation);
        QCOMPARE(station_.received.adminPassword, std::string("orchid"));
        QCOMPARE(station_.received.syNm, std::string("Garden"));
    }

    void importOfABadFileChangesNothing_data() {
        QTest::addColumn<QByteArray>("damage"); // what the good file becomes
        QTest::newRow("bad checksum") << QByteArray("flip");
        QTest::newRow("empty") << QByteArray("empty");
        QTest::newRow("missing") << QByteArray("missing");
    }
    void importOfABadFileChangesNothing() {
        QFETCH(QByteArray, damage);
        const QString path = dir_.filePath(QStringLiteral("damaged.cfg"));
        QVERIFY(WriteConfigurationFile(path, StationRecord("Garden")));
        QFile file(path);
        if (damage == "flip") {
            QVERIFY(file.open(QIODevice::ReadWrite));
            QByteArray bytes = file.readAll();
            bytes[bytes.size() - 3] = char(bytes[bytes.size() - 3] ^ 0x20);
            file.seek(0);
            file.write(bytes);
            file.close();
        } else if (damage == "empty") {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.close();
        } else {
            QVERIFY(file.remove());
        }
        QPointer<ConfigWindow> window = Open(StationRecord("Home"));
        AppendToName(window, QStringLiteral(" typed"));
        Shown shown;
        AnswerNext(shown);
        fileAnswers.push_back(path);
        RunMenuCommand(window, kMenuImportSettings);
        QCOMPARE(shown.message, ResourceText(kStrConfigFileReadError));
        QVERIFY(shown.code.isEmpty());
        QCOMPARE(window->Record().syNm, std::string("Home"));
        QCOMPARE(NameEdit(window)->text(), QStringLiteral("Home typed"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Configure \"Home\" Base Station"));
    }

    void restartAndUploadsAskFirstAndEndTheWindowOnSuccess_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<unsigned>("confirmation");
        QTest::addColumn<QString>("exchange");
        QTest::newRow("restart") << int(kMenuRestart) << unsigned(kStrConfirmRestart)
                                 << QStringLiteral("restart");
        QTest::newRow("upload software")
            << int(kMenuUploadSoftware) << unsigned(kStrConfirmUpload) << QStringLiteral("upload");
        QTest::newRow("upload default software")
            << int(kMenuUploadDefaultSoftware) << unsigned(kStrConfirmUpload) << QStringLiteral("upload");
    }
    void restartAndUploadsAskFirstAndEndTheWindowOnSuccess() {
        QFETCH(int, command);
        QFETCH(unsigned, confirmation);
        QFETCH(QString, exchange);
        const QString image = dir_.filePath(QStringLiteral("software.bin"));
        QFile file(image);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(1000, 'x'));
        file.close();

        QPointer<ConfigWindow> window = Open(StationRecord("Home"));
        Shown shown;
        AnswerNext(shown, kCancel);
        RunMenuCommand(window, command);
        QCOMPARE(shown.message, ResourceText(StringId(confirmation)));
        QVERIFY(station_.exchanges.isEmpty());

        // Failing, then succeeding.
        for (const int status : {session_status::kWrongPassword, 0}) {
            station_.status = status;
            Confirm();
            if (command == kMenuUploadSoftware) {
                fileAnswers.push_back(image);
            }
            if (status != 0) {
                AnswerNext(shown);
            }
            RunMenuCommand(window, command);
            QCOMPARE(station_.exchanges.size(), status != 0 ? 1 : 2);
            QCOMPARE(station_.exchanges.constLast(), exchange);
            if (status == 0) {
                QTRY_VERIFY(window == nullptr);
            } else {
                QVERIFY(window->isVisible());
            }
        }
        QCOMPARE(shown.message, ResourceText(kStrWrongPassword));
        QCOMPARE(marked_, QList<std::uint32_t>{kStation});
        QCOMPARE(station_.received.stationAddress, kStation);
        if (command != kMenuRestart) {
            QCOMPARE(station_.imageSize,
                     command == kMenuUploadSoftware ? 1000u : std::uint32_t(kDefaultFirmwareSize));
        }
    }

    void uploadSoftwareReportsAFileItCannotReadBeforeAnyExchange_data() {
        QTest::addColumn<qint64>("size"); // -1: no such file
        QTest::addColumn<QString>("code");
        QTest::newRow("a file that cannot be opened") << qint64(-1) << QStringLiteral("-6703");
        // Larger than any file the program reads: an image too large for the station, not lack of memory.
        QTest::newRow("a file larger than the program reads")
            << kMaxConfigurationFileSize + 1 << QStringLiteral("-15");
    }
    void uploadSoftwareReportsAFileItCannotReadBeforeAnyExchange() {
        QFETCH(qint64, size);
        QFETCH(QString, code);
        const QString path = dir_.filePath(QStringLiteral("image.bin"));
        QFile::remove(path);
        if (size >= 0) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size)); // a hole, taking no disk
        }
        QPointer<ConfigWindow> window = Open(StationRecord("Home"));
        Confirm();
        fileAnswers.push_back(path);
        Shown shown;
        AnswerNext(shown);
        RunMenuCommand(window, kMenuUploadSoftware);
        QCOMPARE(fileRequests.constLast().filter, ResourceText(kStrSoftwareFileFilter));
        QCOMPARE(fileRequests.constLast().initialName, QStringLiteral("*.bin"));
        QCOMPARE(shown.message, ResourceText(kStrStationAccessError));
        QCOMPARE(shown.code, code);
        QVERIFY(station_.exchanges.isEmpty());

        // A cancelled file dialog sends nothing and says nothing.
        Confirm();
        fileAnswers.push_back(std::nullopt);
        RunMenuCommand(window, kMenuUploadSoftware);
        QVERIFY(station_.exchanges.isEmpty());
        QVERIFY(window != nullptr && window->isVisible());
    }

    void equivalentPasswordShowsTheWirelessPagesKeyInHexadecimal_data() {
        QTest::addColumn<std::uint32_t>("mode");
        QTest::addColumn<QByteArray>("stored"); // wire order
        QTest::addColumn<QString>("typed");     // a new network password, not yet sent; empty: none
        QTest::newRow("40-bit key") << 1u << QByteArray::fromHex("4A6F686E20") << QString();
        QTest::newRow("128-bit key") << 2u << QByteArray::fromHex("000102030405060708090A0BFF") << QString();
        QTest::newRow("a key entered here and not yet sent")
            << 1u << QByteArray::fromHex("4A6F686E20") << QStringLiteral("garden path");
    }
    void equivalentPasswordShowsTheWirelessPagesKeyInHexadecimal() {
        QFETCH(std::uint32_t, mode);
        QFETCH(QByteArray, stored);
        QFETCH(QString, typed);
        ConfigRecord source = StationRecord("Home");
        source.raWM = mode;
        SetWepKey(source, std::span(reinterpret_cast<const std::uint8_t*>(stored.constData()),
                                    std::size_t(stored.size())));
        QByteArray key = stored;
        std::unique_ptr<ConfigWindow> window = std::make_unique<ConfigWindow>(&source);
        window->show();
        if (!typed.isEmpty()) {
            std::vector<std::uint8_t> derived;
            QVERIFY(ParseNetworkPassword(typed.toStdString(), mode, derived));
            key = QByteArray(reinterpret_cast<const char*>(derived.data()), qsizetype(derived.size()));
            OnNextModal([typed](QDialog& dialog) {
                TypeInto(&dialog, network_password::kNewPassword, typed);
                TypeInto(&dialog, network_password::kConfirm, typed);
                ClickControl(&dialog, network_password::kChange);
            });
            ClickControl(window->Sheet().Page(0), corvane_page::kChangeNetworkPassword);
        }
        Shown shown;
        AnswerNext(shown);
        RunMenuCommand(window.get(), kMenuEquivalentNetworkPassword);
        QCOMPARE(shown.title, ResourceText(kStrEquivalentPasswordCaption));
        QVERIFY(shown.code.isEmpty());
        const QString hex = QString::fromLatin1(key.toHex().toUpper());
        QCOMPARE(hex.size(), mode == 1 ? 10 : 26);
        QVERIFY2(shown.message.endsWith(QStringLiteral("\n\n        ") + hex), qPrintable(shown.message));
        const std::vector<std::uint8_t> kept = GetWepKey(window->Record()); // shown, not stored
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(kept.data()), qsizetype(kept.size())), stored);
        // The program's own pages open with the focus in the station's name.
        QCOMPARE(window->focusWidget(), GetControl(window->Sheet().Page(0), corvane_page::kName));
    }

    void theWindowOpensInItsFirstFieldAndEnterPressesUpdate() {
        QPointer<ConfigWindow> window = Open(StationRecord("Home"));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QCOMPARE(window->focusWidget(), NameEdit(window));
        QCOMPARE(NameEdit(window)->selectedText(), QStringLiteral("Home"));
        QTest::keyClick(window->focusWidget(), Qt::Key_End);
        QTest::keyClicks(window->focusWidget(), QStringLiteral("!"));
        QTest::keyClick(window->focusWidget(), Qt::Key_Return);
        QCOMPARE(station_.exchanges, QStringList{"write"});
        QCOMPARE(station_.received.syNm, std::string("Home!"));
        QTRY_VERIFY(window == nullptr);
    }

    // The program's own pages hold push buttons of their own: one takes Enter while it has the focus, and
    // once the focus is back in a field Enter presses "Update" again.
    void enterInTheRealPagesPressesUpdateUnlessAPageButtonHasTheFocus() {
        QPointer<ConfigWindow> window = Open(StationRecord("Home"), MakeSettingsPages);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QWidget* wireless = window->Sheet().Page(0);
        QCOMPARE(window->focusWidget(), GetControl(wireless, corvane_page::kName));

        QWidget* changePassword = GetControl(wireless, corvane_page::kChangeStationPassword);
        changePassword->setFocus(Qt::TabFocusReason);
        QString asked;
        OnNextModal([&asked](QDialog& dialog) {
            asked = dialog.windowTitle();
            dialog.reject();
        });
        QTest::keyClick(changePassword, Qt::Key_Return);
        QVERIFY(!asked.isEmpty());
        QVERIFY(station_.exchanges.isEmpty());

        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        QWidget* field = window->focusWidget();
        QCOMPARE(field, GetControl(wireless, corvane_page::kNetworkName));
        QTest::keyClicks(field, QStringLiteral("Desk"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(station_.exchanges, QStringList{"write"});
        QCOMPARE(station_.received.raNm, std::string("Desk"));
        QTRY_VERIFY(window == nullptr);
    }

    void enterOnAFocusedCancelClosesWithoutSending() {
        QPointer<ConfigWindow> window = Open(StationRecord("Home"));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        GetControl(window, kCancel)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(GetControl(window, kCancel), Qt::Key_Return);
        QTRY_VERIFY(window == nullptr);
        QVERIFY(station_.exchanges.isEmpty());
    }
};

} // namespace
} // namespace corvane

QTEST_MAIN(corvane::ConfigWindowCommandsTest)
#include "config_window_commands_test.moc"
