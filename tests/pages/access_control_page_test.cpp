// SPDX-License-Identifier: Apache-2.0
// The Access Control page and the Add Client dialog, driven through their controls and real list files.
#include "config/config_file.h"
#include "config/config_record.h"
#include "config/hex_text.h"
#include "config/table_editing.h"
#include "files/station_text.h"
#include "gui_test_case.h"
#include "modal_driver.h"
#include "page_host.h"
#include "pages/access_control_page.h"
#include "pages/add_client_dialog.h"
#include "strings/ids/access_control_page_controls.h"
#include "strings/ids/add_client_controls.h"
#include "strings/ids/dialog_buttons.h"
#include "strings/ids/error_controls.h"
#include "strings/ids/string_ids.h"
#include "strings/string_table.h"
#include "widgets/control_binding.h"
#include "widgets/file_dialog.h"

#include <QClipboard>
#include <QDialog>
#include <QFile>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <csignal>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>

namespace corvane {

using namespace testing;
using namespace access_control_page;

namespace {

AclEntry Client(std::uint8_t last, std::string_view description) {
    return MakeAclEntry({0x02, 0, 0, 0, 0, last}, description);
}

// A page on its own record, shown, loaded, with the file dialogs answered by `nextFile`.
struct ClientsHost {
    ConfigRecord record;
    AccessControlPage page;
    std::optional<QString> nextFile;
    std::vector<FileDialogRequest> fileRequests;

    explicit ClientsHost(std::vector<AclEntry> clients = {}) {
        record.acTa = std::move(clients);
        record.acEn = record.acTa.empty() ? 0 : 1;
        page.SetConfig(&record);
        page.resize(520, 360);
        page.show();
        page.LoadSettings();
        SetFileDialogHook([this](const FileDialogRequest& request) {
            fileRequests.push_back(request);
            return nextFile;
        });
    }
    ~ClientsHost() { SetFileDialogHook({}); }

    QTreeView* list() { return qobject_cast<QTreeView*>(GetControl(&page, kClientList)); }

    // Every row as "ID|description".
    QStringList Rows() {
        QStringList rows;
        const QAbstractItemModel* model = list()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            rows << model->index(row, 0).data().toString() + "|" + model->index(row, 1).data().toString();
        }
        return rows;
    }

    void ClickRow(int row, bool twice = false) {
        const QModelIndex index = list()->model()->index(row, 1);
        list()->scrollTo(index);
        const QPoint at = list()->visualRect(index).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
        if (twice) {
            QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
        }
    }

    bool Enabled(int id) { return GetControl(&page, id)->isEnabled(); }
    // Export, Revert, Edit, Remove as four letters, upper case when enabled: "XRer".
    QString Buttons() {
        QString state;
        for (auto [id, letter] : {std::pair{kExportButton, 'x'},
                                  {kRevertButton, 'r'},
                                  {kEditButton, 'e'},
                                  {kRemoveButton, 'm'}}) {
            state += Enabled(id) ? QChar(letter).toUpper() : QChar(letter);
        }
        return state;
    }

    // Runs the Add Client dialog from `button` and types into it; OK when `confirm`.
    void RunClientDialog(int button, const QString& id, const QString& description, bool confirm = true) {
        OnNextModal([=](QDialog& dialog) {
            TypeInto(&dialog, add_client::kCorvaneIdEdit, id);
            TypeInto(&dialog, add_client::kDescriptionEdit, description);
            ClickControl(&dialog, confirm ? add_client::kOkButton : add_client::kCancelButton);
        });
        ClickControl(&page, button);
    }

    // What SaveSettings stores (it always succeeds).
    std::vector<AclEntry> Saved() {
        page.SaveSettings();
        return record.acTa;
    }
};

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Answers the next modal, a message, with OK and keeps its text.
void ExpectMessage(QString* shown) {
    OnNextModal([shown](QDialog& dialog) {
        *shown = TextOf(&dialog, error::kMessage);
        ClickControl(&dialog, kOk);
    });
}

} // namespace

class AccessControlPageTest : public testing::GuiTestCase {
    Q_OBJECT

private slots:
    void listHasTwoCaptionedColumnsThatDoNotSort() {
        ClientsHost host({Client(1, "Office"), MakeAclEntry({0xab, 0xcd, 0xef, 0x01, 0x23, 0x45}, "Lab")});
        QCOMPARE(host.page.windowTitle(), QStringLiteral("Access Control"));
        QHeaderView* header = host.list()->header();
        QCOMPARE(ColumnCaptions(host.list()), (QStringList{"Corvane ID", "Description"}));
        QCOMPARE(header->sectionSize(0), 140);
        QCOMPARE(header->sectionSize(1), 250);
        QVERIFY(!header->sectionsClickable());
        QCOMPARE(host.Rows(), (QStringList{"02:00:00:00:00:01|Office", "AB:CD:EF:01:23:45|Lab"}));
        QCOMPARE(host.list()->selectionMode(), QAbstractItemView::SingleSelection);
    }

    void buttonsFollowTheListTheChangesAndTheSelection() {
        ClientsHost empty;
        QCOMPARE(empty.Buttons(), QStringLiteral("xrem")); // Export needs a row, Revert a change
        ClientsHost host({Client(1, "a"), Client(2, "b")});
        QCOMPARE(host.Buttons(), QStringLiteral("Xrem"));
        host.ClickRow(1);
        QCOMPARE(host.Buttons(), QStringLiteral("XrEM"));
        ClickControl(&host.page, kRemoveButton);
        QCOMPARE(host.Rows(), QStringList{"02:00:00:00:00:01|a"});
        QCOMPARE(host.Buttons(), QStringLiteral("XRem"));
        // With nothing selected Edit and Remove do nothing: no dialog, no change.
        ClickControl(&host.page, kEditButton);
        ClickControl(&host.page, kRemoveButton);
        QCOMPARE(host.Rows(), QStringList{"02:00:00:00:00:01|a"});
        host.ClickRow(0);
        ClickControl(&host.page, kRemoveButton);
        QCOMPARE(host.Buttons(), QStringLiteral("xRem"));
        ClickControl(&host.page, kRevertButton);
        QCOMPARE(host.Rows(), (QStringList{"02:00:00:00:00:01|a", "02:00:00:00:00:02|b"}));
        QCOMPARE(host.Buttons(), QStringLiteral("Xrem"));
    }

    void addStoresByIdAndCancelChangesNothing() {
        ClientsHost host({Client(1, "Office")});
        host.RunClientDialog(kAddButton, "02:00:00:00:00:09", "New", false);
        QCOMPARE(host.Buttons(), QStringLiteral("Xrem"));
        host.RunClientDialog(kAddButton, "0200 0000 0002", "Lab");
        QCOMPARE(host.Buttons(), QStringLiteral("XRem"));
        host.RunClientDialog(kAddButton, "02-00-00-00-00-01", "Front desk");
        QCOMPARE(host.Rows(), (QStringList{"02:00:00:00:00:01|Front desk", "02:00:00:00:00:02|Lab"}));
    }

    void editReplacesTheSelectedRowAndShowsAsAChange() {
        ClientsHost host({Client(1, "a"), Client(2, "b"), Client(3, "c")});
        host.ClickRow(1);
        QString shownId, shownDescription;
        OnNextModal([&](QDialog& dialog) {
            shownId = TextOf(&dialog, add_client::kCorvaneIdEdit);
            shownDescription = TextOf(&dialog, add_client::kDescriptionEdit);
            TypeInto(&dialog, add_client::kCorvaneIdEdit, "02:00:00:00:00:03");
            TypeInto(&dialog, add_client::kDescriptionEdit, "moved");
            ClickControl(&dialog, add_client::kOkButton);
        });
        ClickControl(&host.page, kEditButton);
        QCOMPARE(shownId, QStringLiteral("02:00:00:00:00:02"));
        QCOMPARE(shownDescription, QStringLiteral("b"));
        // An ID edited to another listed ID leaves two rows with that ID.
        QCOMPARE(host.Rows(),
                 (QStringList{"02:00:00:00:00:01|a", "02:00:00:00:00:03|moved", "02:00:00:00:00:03|c"}));
        QCOMPARE(host.Buttons(), QStringLiteral("XREM"));
        // Editing the second of two rows with one ID changes that row, not the first; a double-click edits.
        OnNextModal([](QDialog& dialog) {
            TypeInto(&dialog, add_client::kDescriptionEdit, "third");
            ClickControl(&dialog, add_client::kOkButton);
        });
        host.ClickRow(2, true);
        QCOMPARE(host.Rows(),
                 (QStringList{"02:00:00:00:00:01|a", "02:00:00:00:00:03|moved", "02:00:00:00:00:03|third"}));
    }

    // The Add Client dialog belongs to the page's window, so it opens over it as every other dialog does.
    void theClientDialogBelongsToThePagesWindow() {
        ClientsHost host({Client(1, "a")});
        host.ClickRow(0);
        for (int button : {kAddButton, kEditButton}) {
            QWidget* owner = nullptr;
            OnNextModal([&owner](QDialog& dialog) {
                owner = dialog.parentWidget();
                ClickControl(&dialog, add_client::kCancelButton);
            });
            ClickControl(&host.page, button);
            QVERIFY(owner != nullptr);
            QCOMPARE(owner->window(), host.page.window());
        }
    }

    void savingStoresTheListAndItsSwitch() {
        ClientsHost host({Client(1, "a")});
        host.ClickRow(0);
        ClickControl(&host.page, kRemoveButton);
        QVERIFY(host.Saved().empty());
        QCOMPARE(host.record.acEn, std::uint8_t(0));
        host.RunClientDialog(kAddButton, "02:00:00:00:00:05", "");
        QCOMPARE(host.Saved(), std::vector{Client(5, "")});
        QCOMPARE(host.record.acEn, std::uint8_t(1));
    }

    void loadingAndSavingWithoutAnEditLeavesTheRecordAlone() {
        AclEntry full = Client(7, "");
        std::fill(full.description.begin(), full.description.end(),
                  'z'); // no zero byte, as a station may send
        AclEntry hidden = Client(8, "shown");
        hidden.description[20] = 'h'; // bytes after the zero
        for (const std::vector<AclEntry>& clients :
             {std::vector<AclEntry>{}, {Client(1, "a"), Client(1, "dup"), full, hidden}}) {
            ClientsHost host(clients);
            const ConfigRecord before = host.record;
            QVERIFY(host.page.SaveSettings());
            QCOMPARE(ChangedProperties(before, host.record), QStringList());
        }
    }

    void addClientDialogChecksTheId_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("message"); // 0: accepted
        QTest::addColumn<QString>("stored");
        QTest::newRow("empty") << "" << int(kStrFieldsBlank) << "";
        QTest::newRow("blanks only") << "   " << int(kStrInvalidCorvaneId) << "";
        QTest::newRow("ten digits") << "00:11:22:33:44" << int(kStrInvalidCorvaneId) << "";
        QTest::newRow("not hex") << "00:11:22:33:44:5G" << int(kStrInvalidCorvaneId) << "";
        QTest::newRow("dots") << "00.11.22.33.44.55" << int(kStrInvalidCorvaneId) << "";
        QTest::newRow("colons") << "00:11:22:33:44:55" << 0 << "00:11:22:33:44:55";
        QTest::newRow("hyphens, lower case") << "0a-1b-2c-3d-4e-5f" << 0 << "0A:1B:2C:3D:4E:5F";
        QTest::newRow("groups of four") << "0011 2233 4455" << 0 << "00:11:22:33:44:55";
        QTest::newRow("bare digits, leading blanks") << "  001122334455" << 0 << "00:11:22:33:44:55";
        QTest::newRow("mixed") << "00 11 22:33-44 55" << 0 << "00:11:22:33:44:55";
        QTest::newRow("text after the twelfth digit") << "001122334455 junk" << 0 << "00:11:22:33:44:55";
    }
    void addClientDialogChecksTheId() {
        QFETCH(QString, typed);
        QFETCH(int, message);
        QFETCH(QString, stored);
        AclEntry entry = Client(0xee, "kept");
        QString shown;
        bool stayedOpen = false;
        OnNextModal([&](QDialog& dialog) {
            TypeInto(&dialog, add_client::kCorvaneIdEdit, typed);
            if (message != 0) {
                ExpectMessage(&shown);
            }
            ClickControl(&dialog, add_client::kOkButton);
            stayedOpen = dialog.isVisible();
            if (stayedOpen) {
                ClickControl(&dialog, add_client::kCancelButton);
            }
        });
        AddClientDialog dialog;
        const bool accepted = dialog.Run(entry);
        QCOMPARE(accepted, message == 0);
        QCOMPARE(stayedOpen, message != 0);
        QCOMPARE(shown, message == 0 ? QString() : ResourceText(StringId(message)));
        QCOMPARE(QString::fromStdString(FormatMacAddress(entry.corvaneId)),
                 message == 0 ? stored : QStringLiteral("02:00:00:00:00:EE"));
    }

    void addClientDescriptionHoldsAtMost33Characters_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("33") << QString(33, 'a') << QString(33, 'a');
        QTest::newRow("40 typed") << QString(40, 'b') << QString(33, 'b');
        QTest::newRow("spaces and accents")
            << QStringLiteral(" Büro Zürich, 2. Stock ") << QStringLiteral(" Büro Zürich, 2. Stock ");
        QTest::newRow("40 accented typed") << QString(40, QChar(0xFC)) << QString(33, QChar(0xFC));
        QTest::newRow("what Windows-1252 cannot hold is refused")
            << QStringLiteral("Lab 日本 €") << QStringLiteral("Lab  €");
    }
    void addClientDescriptionHoldsAtMost33Characters() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        OnNextModal([&](QDialog& dialog) {
            TypeInto(&dialog, add_client::kCorvaneIdEdit, "02:00:00:00:00:01");
            TypeInto(&dialog, add_client::kDescriptionEdit, typed);
            ClickControl(&dialog, add_client::kOkButton);
        });
        AclEntry entry;
        QVERIFY(AddClientDialog().Run(entry));
        QCOMPARE(entry.description.back(), '\0');
        ClientsHost host({entry});
        QCOMPARE(host.Rows(), QStringList{"02:00:00:00:00:01|" + kept});
    }

    void addClientRefusesALineBreakInAPastedDescription_data() {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("line feed") << QStringLiteral("Lobby\n02:00:00:00:00:66\tEVIL");
        QTest::newRow("carriage return") << QStringLiteral("Lobby\r");
        QTest::newRow("NUL") << QStringLiteral("Lo") + QChar(0) + QStringLiteral("bby");
    }
    void addClientRefusesALineBreakInAPastedDescription() {
        QFETCH(QString, pasted);
        QString shown;
        QString inEdit;
        bool stayedOpen = false;
        OnNextModal([&](QDialog& dialog) {
            TypeInto(&dialog, add_client::kCorvaneIdEdit, "02:00:00:00:00:01");
            auto* edit = qobject_cast<QLineEdit*>(GetControl(&dialog, add_client::kDescriptionEdit));
            QGuiApplication::clipboard()->setText(pasted);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            inEdit = edit->text();
            ExpectMessage(&shown);
            ClickControl(&dialog, add_client::kOkButton);
            stayedOpen = dialog.isVisible();
            if (stayedOpen) {
                ClickControl(&dialog, add_client::kCancelButton);
            }
        });
        AclEntry entry = Client(0xee, "kept");
        QVERIFY(!AddClientDialog().Run(entry));
        QCOMPARE(inEdit, pasted);
        QVERIFY(stayedOpen);
        QCOMPARE(shown, ResourceText(kStrDescriptionLineBreak));
        QCOMPARE(std::string(AclDescription(entry)), std::string("kept"));
    }

    void fileDialogsUseTheListFileStrings() {
        ClientsHost host({Client(1, "a")});
        ClickControl(&host.page, kImportButton);
        ClickControl(&host.page, kExportButton);
        QCOMPARE(host.fileRequests.size(), std::size_t(2));
        QVERIFY(host.fileRequests[0].kind == FileDialogRequest::Kind::Open);
        QVERIFY(host.fileRequests[1].kind == FileDialogRequest::Kind::Save);
        for (const FileDialogRequest& request : host.fileRequests) {
            QCOMPARE(request.filter, QStringLiteral("Tab-delimited text file (*.txt)|*.txt||"));
            QCOMPARE(request.defaultSuffix, QStringLiteral("txt"));
            QCOMPARE(request.initialName, QStringLiteral("Access Control List.txt"));
        }
        // Both dialogs were cancelled: nothing changed.
        QCOMPARE(host.Buttons(), QStringLiteral("Xrem"));
    }

    void exportWritesTheTabDelimitedFile() {
        QTemporaryDir dir;
        ClientsHost host({MakeAclEntry({0x00, 0x1a, 0x2b, 0xcc, 0xfe, 0x0f}, "Front desk"), Client(2, ""),
                          Client(3, "\tlead tab")});
        host.nextFile = dir.filePath("Access Control List.txt");
        WriteFile(*host.nextFile, QByteArray(4000, 'o')); // an older, longer file is replaced whole
        ClickControl(&host.page, kExportButton);
        QCOMPARE(
            ReadFile(*host.nextFile),
            QByteArray(
                "00:1A:2B:CC:FE:0F\tFront desk\r\n02:00:00:00:00:02\t\r\n02:00:00:00:00:03\t\tlead tab\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Access Control List.txt"});
    }

    void importStoresEachLineAsAnAddedClient() {
        QTemporaryDir dir;
        ClientsHost host({Client(1, "old"), Client(2, "kept")});
        host.nextFile = dir.filePath("in.txt");
        WriteFile(*host.nextFile, "02:00:00:00:00:03\tnew\r\n"
                                  "02:00:00:00:00:01\tOffice\r\n"
                                  "02:00:00:00:00:04 spaced\r\n"
                                  "02:00:00:00:00\tten digits\r\n"
                                  "02:00:00:00:00:03\tnewer\r\n"
                                  "02:00:00:00:00:05");
        ClickControl(&host.page, kImportButton);
        QCOMPARE(host.Rows(), (QStringList{"02:00:00:00:00:01|Office", "02:00:00:00:00:02|kept",
                                           "02:00:00:00:00:03|newer", "02:00:00:00:00:04| spaced"}));
        QCOMPARE(host.Buttons(), QStringLiteral("XRem"));
        // A file with no readable line changes nothing, Revert included.
        ClientsHost other({Client(1, "a")});
        other.nextFile = dir.filePath("junk.txt");
        WriteFile(*other.nextFile, "no ids here\r\n");
        ClickControl(&other.page, kImportButton);
        QCOMPARE(other.Buttons(), QStringLiteral("Xrem"));
    }

    void importIntoAnEmptyListMergesRepeatedIds() {
        QTemporaryDir dir;
        ClientsHost host({Client(1, "first"), Client(2, "b"), Client(1, "later")}); // as Edit can leave it
        host.nextFile = dir.filePath("dup.txt");
        ClickControl(&host.page, kExportButton);
        host.record.acTa.clear();
        host.page.LoadSettings();
        ClickControl(&host.page, kImportButton);
        QCOMPARE(host.Rows(), (QStringList{"02:00:00:00:00:01|later", "02:00:00:00:00:02|b"}));
    }

    void filesThatCannotBeOpenedShowMessage133_data() {
        QTest::addColumn<bool>("import");
        QTest::addColumn<QString>("name");
        QTest::newRow("import: no such file") << true << "missing.txt";
        QTest::newRow("import: a folder") << true << "folder";
        QTest::newRow("import: a named pipe") << true << "pipe";
        QTest::newRow("export: no such folder") << false << "missing/out.txt";
        QTest::newRow("export: a folder") << false << "folder";
    }
    void filesThatCannotBeOpenedShowMessage133() {
        QFETCH(bool, import);
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("folder"));
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath("pipe")).constData(), 0600), 0);
        ClientsHost host({Client(1, "a")});
        host.nextFile = dir.filePath(name);
        QString shown;
        ExpectMessage(&shown);
        ClickControl(&host.page, import ? kImportButton : kExportButton);
        QCOMPARE(shown, ResourceText(kStrAclFileError));
        QCOMPARE(host.Rows(), QStringList{"02:00:00:00:00:01|a"});
        QCOMPARE(host.Buttons(), QStringLiteral("Xrem"));
    }

    // A write that fails halfway (a full disk) must leave the previous list file as it was.
    void exportThatFailsKeepsThePreviousFile_data() {
        QTest::addColumn<int>("clients");
        QTest::newRow("fails while writing") << 2000;
        QTest::newRow("fails on the last buffered bytes") << 100;
    }
    void exportThatFailsKeepsThePreviousFile() {
        QFETCH(int, clients);
        QTemporaryDir dir;
        std::vector<AclEntry> many;
        for (int i = 0; i < clients; ++i) {
            many.push_back(MakeAclEntry({2, 0, 0, 0, std::uint8_t(i >> 8), std::uint8_t(i)}, "client"));
        }
        ClientsHost host(many);
        host.nextFile = dir.filePath("list.txt");
        const QByteArray previous = "02:00:00:00:00:01\tprevious\r\n";
        WriteFile(*host.nextFile, previous);
        // Files may grow to 2 KiB only: the write fails as on a full disk.
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 2048;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        QString shown;
        ExpectMessage(&shown);
        ClickControl(&host.page, kExportButton);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(shown, ResourceText(kStrAclFileError));
        QCOMPARE(ReadFile(*host.nextFile), previous);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"list.txt"});
    }

    // Any list of distinct IDs comes back from its exported file as it was.
    void exportThenImportGivesTheSameList() {
        const QString pieces[] = {"Office",  " ",   "\t", "Büro",        "€ 5",
                                  "Œuvre ß", "a b", "",   "Zürich\tLab", "x"};
        std::mt19937 random(1613);
        QTemporaryDir dir;
        ClientsHost host;
        host.nextFile = dir.filePath("round.txt");
        for (int round = 0; round < 1000; ++round) {
            std::vector<AclEntry> clients;
            const int count = int(random() % 12);
            std::uint64_t id = random();
            for (int i = 0; i < count; ++i) {
                id += 1 + random() % 1000; // distinct
                MacAddress mac;
                for (int b = 0; b < 6; ++b) {
                    mac[std::size_t(b)] = std::uint8_t(id >> (40 - 8 * b));
                }
                QString description;
                for (int p = int(random() % 4); p > 0; --p) {
                    description += pieces[random() % std::size(pieces)];
                }
                std::string bytes;
                QVERIFY(ToStationText(description.left(33), bytes));
                clients.push_back(MakeAclEntry(mac, bytes));
            }
            host.record.acTa = clients;
            host.page.LoadSettings();
            if (!clients.empty()) {
                ClickControl(&host.page, kExportButton);
            } else {
                WriteFile(*host.nextFile, {});
            }
            host.record.acTa.clear();
            host.page.LoadSettings();
            ClickControl(&host.page, kImportButton);
            const std::vector<AclEntry> back = host.Saved();
            QVERIFY2(back == clients, qPrintable(QStringLiteral("round %1").arg(round)));
        }
    }
};

} // namespace corvane

QTEST_MAIN(corvane::AccessControlPageTest)
#include "access_control_page_test.moc"
