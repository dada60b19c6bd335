// SPDX-License-Identifier: Apache-2.0
#include "cli/config_io.h"
#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "config/byte_order.h"
#include "config/config_file.h"
#include "config/network_password.h"
#include "config/property_catalogue.h"
#include "config/property_codec.h"
#include "config/property_tag.h"
#include "files/file_name.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane::cli::test {
namespace {

class CliFileTest : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    // Imports JSON text into a configuration file; the run's result.
    CliRun Import(const QByteArray& json, const char* output = "out.cfg") {
        WriteAll(Path("in.json"), json);
        return RunTool({"import", Path("in.json"), "-o", Path(output)});
    }

    QTemporaryDir dir_;
};

const QByteArray kFullJson = R"({
    "syNm": "Attic", "syPW": "s3cret", "raSe": "radius secret", "raCh": 6, "raLC": 2047,
    "waIP": "10.0.0.5", "raWM": 1, "raWE": "0102030405",
    "pmTa": [{"privateAddress": "10.1.2.5", "privatePort": 80, "publicPort": 8080}],
    "acTa": [{"corvaneId": "00-11-22-33-44-55", "description": "laptop"}]
})";

TEST_F(CliFileTest, EmptyJsonImportsTheDefaultConfiguration) {
    ASSERT_EQ(Import("{}").exit, kExitSuccess);
    std::vector<std::uint8_t> defaults;
    ASSERT_EQ(WriteConfigFile(ConfigRecord{}, defaults), 0);
    const QByteArray file = ReadAll(Path("out.cfg"));
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin(), file.end()), defaults);
}

TEST_F(CliFileTest, ExportThenImportGivesTheSameFileBack) {
    ASSERT_EQ(Import(kFullJson, "first.cfg").exit, kExitSuccess);
    const CliRun exported = RunTool({"export", Path("first.cfg")});
    ASSERT_EQ(exported.exit, kExitSuccess);
    EXPECT_EQ(RunTool({"export", Path("first.cfg")}).out, exported.out) << "stable output";
    EXPECT_TRUE(exported.out.contains("\"syPW\": \"s3cret\""));
    ASSERT_EQ(Import(exported.out.toUtf8(), "second.cfg").exit, kExitSuccess);
    EXPECT_EQ(ReadAll(Path("first.cfg")), ReadAll(Path("second.cfg")));
    EXPECT_EQ(RunTool({"diff", Path("first.cfg"), Path("second.cfg")}).exit, kExitSuccess);
}

TEST_F(CliFileTest, ShowHidesSecretsUnlessRevealed) {
    ASSERT_EQ(Import(kFullJson).exit, kExitSuccess);
    for (const QStringList& extra : {QStringList{}, QStringList{"--json"}}) {
        const CliRun hidden = RunTool(QStringList{"show", Path("out.cfg")} + extra);
        ASSERT_EQ(hidden.exit, kExitSuccess);
        EXPECT_TRUE(hidden.out.contains("Attic"));
        EXPECT_FALSE(hidden.out.contains("s3cret"));
        EXPECT_FALSE(hidden.out.contains("radius secret"));
        EXPECT_FALSE(hidden.out.contains("0102030405"));
        const CliRun revealed = RunTool(QStringList{"show", Path("out.cfg"), "--reveal-secrets"} + extra);
        EXPECT_TRUE(revealed.out.contains("s3cret"));
        EXPECT_TRUE(revealed.out.contains("0102030405"));
    }
    const CliRun text = RunTool({"show", Path("out.cfg")});
    EXPECT_TRUE(text.out.contains("raCh  Radio channel: 6\n"));
    EXPECT_TRUE(text.out.contains("waIP  WAN IP address: 10.0.0.5\n"));
    EXPECT_TRUE(text.out.contains("public port 8080 -> 10.1.2.5 port 80"));
    EXPECT_TRUE(text.out.contains("00:11:22:33:44:55 \"laptop\""));
}

// Every rejected document: a clear message, exit 7, and the file that was there before is kept.
TEST_F(CliFileTest, RejectedJsonChangesNoFile) {
    const QByteArray rejected[] = {
        "[]",
        "{\"syNm\": ",
        "{\"zzzz\": 1}",
        "{\"raCh\": \"six\"}",
        "{\"raCl\": 256}",
        "{\"raCh\": -1}",
        "{\"raCh\": 1.5}",
        "{\"waIP\": \"10.0.0.256\"}",
        "{\"waIP\": \"10.0.1.1.5\"}",
        "{\"waIP\": \"10.0.1.2 junk\"}",
        "{\"waIP\": \"10.0.1.2\\u0000junk\"}",
        "{\"waIP\": \"10.0.1.2:80\"}",
        R"({"pmTa": [{"privateAddress": "10.1.2.5x", "privatePort": 80, "publicPort": 8080}]})",
        "{\"syNm\": \"\\u0100\"}",
        "{\"raWE\": \"01020\"}",
        "{\"raWE\": \"01020g\"}",
        "{\"syPW\": \"(hidden)\"}",
        "{\"pmTa\": {}}",
        R"({"acTa": [{"corvaneId": "00:11:22:33:44", "description": "x"}]})",
        R"({"acTa": [{"corvaneId": "00:11:22:33:44:55", "description": "01234567890123456789012345678901234"}]})",
    };
    ASSERT_EQ(Import("{\"syNm\": \"before\"}").exit, kExitSuccess);
    const QByteArray before = ReadAll(Path("out.cfg"));
    for (const QByteArray& json : rejected) {
        const CliRun run = Import(json);
        EXPECT_EQ(run.exit, kExitInvalidInput) << json.constData();
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_EQ(ReadAll(Path("out.cfg")), before) << json.constData();
    }
}

TEST_F(CliFileTest, UnreadableConfigurationShowsMessage149) {
    WriteAll(Path("broken.cfg"), QByteArray(200, 'x'));
    for (const QStringList& args :
         {QStringList{"show", Path("broken.cfg")}, QStringList{"export", Path("none.cfg")},
          QStringList{"diff", Path("broken.cfg"), Path("broken.cfg")}}) {
        const CliRun run = RunTool(args);
        EXPECT_EQ(run.exit, kExitReadFailed);
        EXPECT_TRUE(run.err.contains("An error occurred while trying to read the configuration file."));
    }
}

TEST_F(CliFileTest, UnwritableOutputShowsMessage148) {
    WriteAll(Path("in.json"), "{}");
    const CliRun run = RunTool({"import", Path("in.json"), "-o", Path("missing-dir/out.cfg")});
    EXPECT_EQ(run.exit, kExitWriteFailed);
    EXPECT_TRUE(run.err.contains("An error occurred while trying to write the configuration file."));
}

// A full disk: the save fails with the system's reason, and the file that was there keeps every byte.
TEST_F(CliFileTest, AFullDiskNeverEmptiesThePreviousFile) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "a small tmpfs needs root";
    }
    const QString disk = Path("disk");
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("disk")));
    const QByteArray mountPoint = QFile::encodeName(disk);
    // A mount namespace of this test's own, so the small disk is seen by nobody else.
    if (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=16k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    const QString target = disk + QStringLiteral("/station.cfg");
    WriteAll(Path("in.json"), "{\"syNm\": \"before\"}");
    ASSERT_EQ(RunTool({"import", Path("in.json"), "-o", target}).exit, kExitSuccess);
    const QByteArray before = ReadAll(target);
    {
        QFile filler(disk + QStringLiteral("/filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(512, 'f')) == 512) {
        }
        while (filler.write("f", 1) == 1) {
        }
    }
    WriteAll(Path("in.json"), "{\"syNm\": \"after\"}");
    const CliRun run = RunTool({"import", Path("in.json"), "-o", target});
    EXPECT_EQ(run.exit, kExitWriteFailed);
    EXPECT_TRUE(run.err.contains("No space left on device")) << run.err.toStdString();
    EXPECT_EQ(ReadAll(target), before);
    ::umount2(mountPoint.constData(), MNT_DETACH);
}

// -o naming something other than a regular file is refused and left as it is; a link to a file is followed.
TEST_F(CliFileTest, OutputThatIsNotARegularFileIsRefused) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("directory")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), Path("device")));
    WriteAll(Path("in.json"), "{}");
    for (const char* name : {"directory", "device"}) {
        const CliRun run = RunTool({"import", Path("in.json"), "-o", Path(name)});
        EXPECT_EQ(run.exit, kExitWriteFailed) << name;
        EXPECT_TRUE(run.err.contains("not a regular file")) << name;
    }
    EXPECT_TRUE(QFileInfo(Path("directory")).isDir());
    EXPECT_EQ(QFileInfo(Path("device")).symLinkTarget(), QStringLiteral("/dev/null"));

    ASSERT_EQ(Import("{}", "target.cfg").exit, kExitSuccess);
    ASSERT_TRUE(QFile::link(Path("target.cfg"), Path("link.cfg")));
    ASSERT_EQ(Import("{\"syNm\": \"linked\"}", "link.cfg").exit, kExitSuccess);
    EXPECT_TRUE(RunTool({"show", Path("target.cfg")}).out.contains("\"linked\""));
    EXPECT_TRUE(QFileInfo(Path("link.cfg")).isSymLink());
}

TEST_F(CliFileTest, NewConfigurationFilesAreOwnerOnly) {
    ASSERT_EQ(Import("{}", "new.cfg").exit, kExitSuccess);
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(Path("new.cfg")).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
}

// An owner-only save narrows the permissions of the file it replaces, but only when it succeeds: a save that
// fails (here the temporary's name is too long for the file system) leaves them as they were.
TEST_F(CliFileTest, AnOwnerOnlySaveChangesPermissionsOnlyWhenItSucceeds) {
    struct Case {
        QString name;
        bool saved;
        unsigned mode;
    };
    const Case cases[] = {{QStringLiteral("backup.cfg"), true, 0600},
                          {QString(250, QLatin1Char('b')) + QStringLiteral(".cfg"), false, 0644}};
    for (const Case& c : cases) {
        const QString path = dir_.filePath(c.name);
        WriteAll(path, "old");
        const QByteArray name = QFile::encodeName(path);
        ASSERT_EQ(::chmod(name.constData(), 0644), 0);
        QString reason;
        EXPECT_EQ(SaveConfiguration(path, ConfigRecord{}, reason, true), c.saved) << reason.toStdString();
        struct stat status {};
        ASSERT_EQ(::stat(name.constData(), &status), 0);
        EXPECT_EQ(status.st_mode & 0777, c.mode) << c.name.size();
    }
}

// A backup's save replaces a symbolic link planted under its name by a file of its own: what the link named,
// outside the folder, keeps its contents and permissions. Other saves follow a link, as ever.
TEST_F(CliFileTest, ABackupReplacesALinkPlantedUnderItsName) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("backups")));
    for (const LinkAtPath links : {LinkAtPath::Replace, LinkAtPath::Follow}) {
        WriteAll(Path("outside"), "not a configuration");
        const QByteArray outside = QFile::encodeName(Path("outside"));
        ASSERT_EQ(::chmod(outside.constData(), 0644), 0);
        const QString path = Path("backups/Lobby-02CB02000001.cfg");
        QFile::remove(path);
        ASSERT_TRUE(QFile::link(Path("outside"), path));
        QString reason;
        ASSERT_TRUE(SaveConfiguration(path, ConfigRecord{}, reason, true, links)) << reason.toStdString();
        struct stat status {};
        ASSERT_EQ(::stat(outside.constData(), &status), 0);
        if (links == LinkAtPath::Replace) {
            EXPECT_FALSE(QFileInfo(path).isSymLink());
            EXPECT_EQ(ReadAll(Path("outside")), "not a configuration");
            EXPECT_EQ(status.st_mode & 0777, 0644u);
            ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
            EXPECT_EQ(status.st_mode & 0777, 0600u);
            EXPECT_EQ(RunTool({"show", path}).exit, kExitSuccess);
        } else {
            EXPECT_TRUE(QFileInfo(path).isSymLink());
            EXPECT_EQ(status.st_mode & 0777, 0600u);
            EXPECT_EQ(RunTool({"show", Path("outside")}).exit, kExitSuccess);
        }
    }
}

// Inputs that never end or are far too large end with a clear error, never an abort or the OOM killer.
TEST_F(CliFileTest, OversizedInputsAreRefused) {
    WriteAll(Path("sparse"), {});
    ASSERT_TRUE(QFile::resize(Path("sparse"), qint64(1) << 30));
    struct Case {
        QStringList args;
        QByteArray input;
        int exit;
    };
    const Case cases[] = {
        {{"show", "/dev/zero"}, {}, kExitReadFailed},
        {{"show", Path("sparse")}, {}, kExitReadFailed},
        {{"import", "/dev/zero", "-o", Path("never.cfg")}, {}, kExitReadFailed},
        {{"import", Path("sparse"), "-o", Path("never.cfg")}, {}, kExitReadFailed},
        {{"key", "--bits", "40", "--password-file", "/dev/zero"}, {}, kExitInvalidInput},
        {{"key", "--bits", "40"}, QByteArray(100000, 'x'), kExitInvalidInput},
    };
    for (const Case& c : cases) {
        const CliRun run = RunTool(c.args, c.input);
        EXPECT_EQ(run.exit, c.exit) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("larger than") || run.err.contains("longer than"))
            << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(Path("never.cfg")));
}

// Passwords are taken as given or refused, never cut or guessed at.
TEST_F(CliFileTest, PasswordsWithANulOrFromAnEmptyFileAreRefused) {
    WriteAll(Path("nul"), QByteArray("abc\0de\n", 7));
    WriteAll(Path("empty"), {});
    struct Case {
        QStringList args;
        QByteArray input;
        const char* message;
    };
    const Case cases[] = {
        {{"key", "--bits", "40"}, QByteArray("\"ab\0de\"\n", 9), "NUL"},
        {{"key", "--bits", "40", "--password-file", Path("nul")}, {}, "NUL"},
        {{"key", "--bits", "40", "--password-file", Path("empty")}, {}, "empty"},
        {{"key", "--bits", "40"}, {}, "no password"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunTool(c.args, c.input);
        EXPECT_EQ(run.exit, kExitInvalidInput) << c.args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}

TEST_F(CliFileTest, ImportWarnsAboutAStationPasswordLongerThanTheStationChecks) {
    const CliRun fits = Import("{\"syPW\": \"" + QByteArray(32, 'p') + "\"}");
    EXPECT_EQ(fits.exit, kExitSuccess);
    EXPECT_FALSE(fits.err.contains("warning"));
    const CliRun longer = Import("{\"syPW\": \"" + QByteArray(33, 'p') + "\"}");
    EXPECT_EQ(longer.exit, kExitSuccess);
    EXPECT_TRUE(longer.err.contains("warning: the base station password (syPW) is 33 bytes long"))
        << longer.err.toStdString();
}

// Station text that would speak to a terminal (colours, a title, a bell, rows forged with CR LF, a C1 CSI) is
// shown escaped; the JSON stays valid and gives the same text back.
const QByteArray kHostileJson =
    R"({"syNm": "\u001b[31mred\u0007\r\nraCh  Radio channel: 99\u009d2J\u007f\\x1b", )"
    R"("acTa": [{"corvaneId": "00:11:22:33:44:55", "description": "\u001b]0;owned\u0007"}]})";

bool HasTerminalControl(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return (c.unicode() < 0x20 && c != QLatin1Char('\n')) || (c.unicode() >= 0x7F && c.unicode() <= 0x9F);
    });
}

TEST_F(CliFileTest, StationTextReachesTheTerminalEscaped) {
    ASSERT_EQ(Import(kHostileJson, "a.cfg").exit, kExitSuccess);
    ASSERT_EQ(Import("{}", "b.cfg").exit, kExitSuccess);
    const CliRun show = RunTool({"show", Path("a.cfg")});
    const CliRun diff = RunTool({"diff", Path("a.cfg"), Path("b.cfg")});
    for (const CliRun& run : {show, diff}) {
        EXPECT_FALSE(HasTerminalControl(run.out)) << run.out.toStdString();
        EXPECT_TRUE(run.out.contains(R"("\x1b[31mred\x07\x0d\x0araCh  Radio channel: 99\x9d2J\x7f\\x1b")"))
            << run.out.toStdString();
        EXPECT_TRUE(run.out.contains(R"(00:11:22:33:44:55 "\x1b]0;owned\x07")"));
    }
    for (const QStringList& args :
         {QStringList{"show", Path("a.cfg"), "--json"}, QStringList{"export", Path("a.cfg")}}) {
        const CliRun json = RunTool(args);
        EXPECT_FALSE(HasTerminalControl(json.out));
        const QJsonObject parsed = QJsonDocument::fromJson(json.out.toUtf8()).object();
        EXPECT_EQ(parsed.value("syNm").toString(),
                  QJsonDocument::fromJson(kHostileJson).object().value("syNm").toString());
    }
    const CliRun exported = RunTool({"export", Path("a.cfg")});
    ASSERT_EQ(Import(exported.out.toUtf8(), "c.cfg").exit, kExitSuccess);
    EXPECT_EQ(ReadAll(Path("a.cfg")), ReadAll(Path("c.cfg")));
}

// "-" reads standard input where a file is read; "--" lets a file name begin with "-".
TEST_F(CliFileTest, DashIsStandardInputAndDoubleDashEndsTheOptions) {
    const CliRun imported = RunTool({"import", "-", "-o", Path("stdin.cfg")}, "{\"syNm\": \"Piped\"}");
    ASSERT_EQ(imported.exit, kExitSuccess) << imported.err.toStdString();
    const CliRun shown = RunTool({"show", "-"}, ReadAll(Path("stdin.cfg")));
    EXPECT_TRUE(shown.out.contains("syNm  Base station name: \"Piped\"")) << shown.err.toStdString();
    EXPECT_EQ(RunTool({"key", "--bits", "40", "--password-file", "-"}, "\"abcde\"\n").out, "6162636465\n");

    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    WriteAll(Path("-odd.json"), "{\"syNm\": \"Odd\"}");
    const CliRun odd = RunTool({"import", "-o", "odd.cfg", "--", "-odd.json"});
    const CliRun oddShown = RunTool({"show", "--", "odd.cfg"});
    QDir::setCurrent(previous);
    EXPECT_EQ(odd.exit, kExitSuccess) << odd.err.toStdString();
    EXPECT_TRUE(oddShown.out.contains("\"Odd\""));
}

TEST_F(CliFileTest, DiffListsOnlyChangedPropertiesAndHidesSecrets) {
    ASSERT_EQ(Import("{}", "a.cfg").exit, kExitSuccess);
    ASSERT_EQ(Import("{\"raCh\": 11, \"syPW\": \"new\"}", "b.cfg").exit, kExitSuccess);
    const CliRun run = RunTool({"diff", Path("a.cfg"), Path("b.cfg")});
    EXPECT_EQ(run.exit, kExitDifferent);
    EXPECT_EQ(run.out, "syPW  Base station password\n  - (hidden)\n  + (hidden)\n"
                       "raCh  Radio channel\n  - 1\n  + 11\n");
}

ConfigRecord ReadRecord(const QString& path) {
    const QByteArray file = ReadAll(path);
    ConfigRecord record;
    EXPECT_EQ(
        ReadConfigFile(record, std::size_t(file.size()), reinterpret_cast<const std::uint8_t*>(file.data())),
        0);
    return record;
}

TEST_F(CliFileTest, StationTextIsWindows1252BothWays) {
    ASSERT_EQ(Import(R"({"syNm": "Büro €", "syPW": "gehëim",
                         "acTa": [{"corvaneId": "00:11:22:33:44:55", "description": "Café – Ž"}]})",
                     "first.cfg")
                  .exit,
              kExitSuccess);
    const ConfigRecord record = ReadRecord(Path("first.cfg"));
    EXPECT_EQ(record.syNm, "B\xFCro \x80");
    EXPECT_EQ(record.syPW, "geh\xEBim");
    ASSERT_EQ(record.acTa.size(), 1u);
    EXPECT_EQ(std::string(record.acTa[0].description.data(), 8), "Caf\xE9 \x96 \x8E");
    EXPECT_TRUE(RunTool({"show", Path("first.cfg")}).out.contains("\"Büro €\""));
    const CliRun exported = RunTool({"export", Path("first.cfg")});
    EXPECT_TRUE(exported.out.contains("\"syNm\": \"Büro €\""));
    EXPECT_TRUE(exported.out.contains("Café – Ž"));
    ASSERT_EQ(Import(exported.out.toUtf8(), "second.cfg").exit, kExitSuccess);
    EXPECT_EQ(ReadAll(Path("first.cfg")), ReadAll(Path("second.cfg")));
}

TEST_F(CliFileTest, ImportRefusesWhatWindows1252CannotHold) {
    const QByteArray refused[] = {
        R"({"syNm": "Ā"})",
        R"({"syPW": "中文"})",
        R"({"acTa": [{"corvaneId": "00:11:22:33:44:55", "description": "Ā"}]})",
    };
    for (const QByteArray& json : refused) {
        const CliRun run = Import(json);
        EXPECT_EQ(run.exit, kExitInvalidInput) << json.constData();
        EXPECT_FALSE(QFile::exists(Path("out.cfg")));
    }
    EXPECT_TRUE(Import(R"({"syNm": "Ā"})").err.contains("\"Ā\" cannot be used"));
}

// A value import cannot take names its property and what it expected, whatever the property's kind.
TEST_F(CliFileTest, ImportTellsWhichValueItRefusesAndWhy) {
    const std::pair<QByteArray, QString> cases[] = {
        {R"({"syNm": 5})", "syNm: expected a string"},
        {R"({"raCh": -1})", "raCh: expected a whole number from 0 to 4294967295"},
        {R"({"waIP": "10.0.1"})", "waIP: expected an address like \"10.0.1.1\""},
        {R"({"raWE": "abc"})", "raWE: expected an even number of hexadecimal digits"},
        {R"({"pmTa": {}})", "pmTa: expected an array"},
        {R"({"pmTa": [1]})", "pmTa: expected objects with privateAddress, privatePort and publicPort"},
        {R"({"acTa": [{"corvaneId": "00:11"}]})",
         "acTa: expected objects with a corvaneId like \"00:11:22:33:44:55\" and a description of at most 34 "
         "characters"},
        {R"({"acTa": [{"corvaneId": "02:00:00:00:00:01", "description": "Lobby\n02:00:00:00:00:66\tEVIL"}]})",
         "acTa: a description cannot hold a line break (CR, LF) or NUL"},
        {R"({"acTa": [{"corvaneId": "02:00:00:00:00:01", "description": "a\rb"}]})",
         "acTa: a description cannot hold a line break (CR, LF) or NUL"},
        {R"({"acTa": [{"corvaneId": "02:00:00:00:00:01", "description": "ab\u0000cd"}]})",
         "acTa: a description cannot hold a line break (CR, LF) or NUL"},
        {R"({"syNm": "a\u0000b"})", "syNm: text cannot hold NUL"},
        {R"({"syPW": "\u0000"})", "syPW: text cannot hold NUL"},
        {QByteArray("{\"syNm\": \"a\0b\"}", 15), "syNm: text cannot hold NUL"},
        {R"({"syNm": "\ud800"})", "a \\u escape of half a surrogate pair cannot be kept"},
        {R"({"syNm": "\udc00x"})", "a \\u escape of half a surrogate pair cannot be kept"},
        {R"({"syNm": "\ud800x\udc00"})", "a \\u escape of half a surrogate pair cannot be kept"},
        {R"({"syNm": "\ud800\n"})", "a \\u escape of half a surrogate pair cannot be kept"},
        {R"({"syNm": "one", "raCh": 3, "syNm": "two"})", "the key \"syNm\" is given twice"},
        {R"({"syNm": "one", "sy\u004em": "two"})", "the key \"syNm\" is given twice"},
        {R"({"acTa": [{"corvaneId": "02:00:00:00:00:01", "description": "a", "description": "b"}]})",
         "the key \"description\" is given twice"},
    };
    for (const auto& [json, message] : cases) {
        const CliRun run = Import(json);
        EXPECT_EQ(run.exit, kExitInvalidInput) << json.constData();
        EXPECT_EQ(run.err, QStringLiteral("corvane: %1: %2\n").arg(Path("in.json"), message))
            << json.constData();
        EXPECT_FALSE(QFile::exists(Path("out.cfg")));
    }
}

// Writes the record as a station's configuration file, exports it, imports the export: both files.
std::pair<QByteArray, QByteArray> RoundTrip(const QTemporaryDir& dir, const ConfigRecord& record) {
    std::vector<std::uint8_t> image;
    EXPECT_EQ(WriteConfigFile(record, image), 0);
    const QByteArray sent(reinterpret_cast<const char*>(image.data()), qsizetype(image.size()));
    WriteAll(dir.filePath("sent.cfg"), sent);
    const CliRun exported = RunTool({"export", dir.filePath("sent.cfg")});
    EXPECT_EQ(exported.exit, kExitSuccess) << exported.err.toStdString();
    WriteAll(dir.filePath("sent.json"), exported.out.toUtf8());
    // What a station sent may break the rules a person is held to: --no-check takes it as it is.
    const CliRun imported =
        RunTool({"import", dir.filePath("sent.json"), "-o", dir.filePath("back.cfg"), "--no-check"});
    EXPECT_EQ(imported.exit, kExitSuccess) << imported.err.toStdString();
    return {sent, ReadAll(dir.filePath("back.cfg"))};
}

AclEntry RawAclEntry(std::uint8_t last, std::string_view bytes) {
    AclEntry entry;
    entry.corvaneId = {0, 0x11, 0x22, 0x33, 0x44, last};
    std::copy(bytes.begin(), bytes.end(), entry.description.begin());
    return entry;
}

// What a station may hold but a person may not give (NUL in text, a line break or NUL inside a description)
// is exported as it is, and its import is refused with no file written.
TEST_F(CliFileTest, ImportRefusesWhatAStationMayHoldButAPersonMayNotGive) {
    const std::pair<const char*, std::function<void(ConfigRecord&)>> cases[] = {
        {"bytes after a zero in a description",
         [](ConfigRecord& r) { r.acTa = {RawAclEntry(1, std::string("ab\0cd\0\0e", 8))}; }},
        {"a line feed in a description", [](ConfigRecord& r) { r.acTa = {RawAclEntry(1, "Lobby\nEVIL")}; }},
        {"NUL in text", [](ConfigRecord& r) { r.syNm = std::string("\x81\x00\x9D", 3); }},
    };
    for (const auto& [name, make] : cases) {
        ConfigRecord record;
        make(record);
        std::vector<std::uint8_t> image;
        ASSERT_EQ(WriteConfigFile(record, image), 0);
        WriteAll(Path("sent.cfg"),
                 QByteArray(reinterpret_cast<const char*>(image.data()), qsizetype(image.size())));
        const CliRun exported = RunTool({"export", Path("sent.cfg")});
        ASSERT_EQ(exported.exit, kExitSuccess) << name;
        const CliRun imported = Import(exported.out.toUtf8());
        EXPECT_EQ(imported.exit, kExitInvalidInput) << name;
        EXPECT_FALSE(QFile::exists(Path("out.cfg"))) << name;
    }
}

// Tables and keys as stations send them: the adding rules are for editing, and import rebuilds what it reads.
TEST_F(CliFileTest, ExportThenImportKeepsWhatAStationMaySend) {
    const std::pair<const char*, std::function<void(ConfigRecord&)>> cases[] = {
        {"34-byte description without a zero",
         [](ConfigRecord& r) { r.acTa = {RawAclEntry(1, std::string(34, 'd'))}; }},
        {"duplicate access IDs",
         [](ConfigRecord& r) {
             r.acTa = {RawAclEntry(1, "one"), RawAclEntry(2, "x"), RawAclEntry(1, "two")};
         }},
        {"duplicate port mappings",
         [](ConfigRecord& r) {
             r.pmTa = {{0x0A010205, 80, 8080}, {1, 2, 3}, {0x0A010205, 80, 8080}};
         }},
        {"3-byte key",
         [](ConfigRecord& r) {
             SetWepKey(r, std::vector<std::uint8_t>{1, 2, 3});
         }},
        {"16-byte key", [](ConfigRecord& r) { SetWepKey(r, std::vector<std::uint8_t>(16, 0xA5)); }},
        {"text with every kind of byte but NUL",
         [](ConfigRecord& r) { r.syNm = std::string("\x81\r\n\x9D\xFF\x80 \x01\"\\", 10); }},
    };
    for (const auto& [name, make] : cases) {
        ConfigRecord record;
        make(record);
        const auto [sent, back] = RoundTrip(dir_, record);
        EXPECT_EQ(back, sent) << name;
    }
}

// Any record a station could send, at random: every transferable property with random bytes of a width it
// may have.
TEST_F(CliFileTest, RandomStationRecordsSurviveExportAndImport) {
    std::mt19937 random(20261210);
    const auto bytes = [&](std::size_t count) {
        std::vector<std::uint8_t> out(count);
        for (std::uint8_t& byte : out) {
            byte = std::uint8_t(random());
        }
        return out;
    };
    for (int round = 0; round < 40; ++round) {
        ConfigRecord record;
        for (const ElementHeader& element : TransferList) {
            const PropertyDescriptor* row = nullptr;
            ASSERT_EQ(FindProperty(element.tag, row), 0);
            std::vector<std::uint8_t> value;
            switch (row->kind) {
            case PropertyKind::Integer:
                value = bytes(row->width);
                break;
            case PropertyKind::Table: {
                const std::size_t count = random() % 5;
                value = std::vector<std::uint8_t>(16, 0);
                StoreBigEndian32(value.data() + 4, std::uint32_t(count));
                std::vector<std::uint8_t> entries =
                    bytes(count * (element.tag == MakeTag("acTa") ? sizeof(AclEntry) : 8));
                for (std::size_t at = 0; element.tag == MakeTag("acTa") && at < entries.size(); ++at) {
                    // A description holds no CR, LF or NUL inside (zeros may pad its end).
                    const std::uint8_t byte = entries[at];
                    if (at % sizeof(AclEntry) >= 6 && (byte == 0 || byte == '\r' || byte == '\n')) {
                        entries[at] = ' ';
                    }
                }
                value.insert(value.end(), entries.begin(), entries.end());
                break;
            }
            default:
                value = bytes(random() % 40);
                if (element.tag != MakeTag("raWE")) {
                    std::replace(value.begin(), value.end(), std::uint8_t(0), std::uint8_t(1)); // text
                }
                break;
            }
            ASSERT_EQ(SetProperty(record, element.tag, std::uint32_t(value.size()), value.data()), 0);
        }
        const auto [sent, back] = RoundTrip(dir_, record);
        ASSERT_EQ(back, sent) << "round " << round;
    }
}

// A file name from the command line whose bytes are not UTF-8 (made on a Latin-1 system) is read and written
// by those bytes.
TEST_F(CliFileTest, FileNamesThatAreNotUtf8KeepTheirBytes) {
    const QByteArray bytes = QFile::encodeName(dir_.path()) + "/b\xFCro.cfg";
    const QString name = FileNameFromBytes(bytes);
    WriteAll(Path("in.json"), kFullJson);
    const CliRun imported = RunTool({"import", Path("in.json"), "-o", name});
    ASSERT_EQ(imported.exit, kExitSuccess) << imported.err.toStdString();
    struct stat status {};
    EXPECT_EQ(::stat(bytes.constData(), &status), 0) << "written under the very bytes";
    const CliRun shown = RunTool({"show", name});
    EXPECT_EQ(shown.exit, kExitSuccess) << shown.err.toStdString();
    EXPECT_TRUE(shown.out.contains("\"Attic\""));
    EXPECT_EQ(RunTool({"show", QString::fromLocal8Bit(bytes)}).exit, kExitReadFailed)
        << "Qt's own reading of the name finds no such file";
    std::filesystem::remove(bytes.toStdString()); // which Qt could not remove either
}

struct KeyCase {
    const char* bits;
    QByteArray password;
    int exit;
    const char* key;
};

TEST(CliKeyTest, PrintsTheEquivalentNetworkPassword) {
    const KeyCase cases[] = {
        {"40", "$0102030405\n", kExitSuccess, "0102030405\n"},
        {"40", "0xA1B2C3D4E5\n", kExitSuccess, "A1B2C3D4E5\n"},
        {"40", "\"abcde\"\n", kExitSuccess, "6162636465\n"},
        {"128", "$000102030405060708090A0B0C\n", kExitSuccess, "000102030405060708090A0B0C\n"},
        {"40", "$01020304zz\n", kExitInvalidInput, ""},
        {"40", "\n", kExitInvalidInput, ""},
    };
    for (const KeyCase& c : cases) {
        const CliRun run = RunTool({"key", "--bits", c.bits}, c.password);
        EXPECT_EQ(run.exit, c.exit) << c.password.constData();
        EXPECT_EQ(run.out, QString::fromLatin1(c.key));
        if (c.exit != kExitSuccess) {
            EXPECT_TRUE(run.err.contains("The password is invalid."));
        }
    }
    // A typed password is Windows-1252: five letters are five bytes, whatever the terminal's encoding.
    EXPECT_EQ(RunTool({"key", "--bits", "40"}, "\"äöüßé\"\n").out, "E4F6FCDFE9\n");
    const CliRun refused = RunTool({"key", "--bits", "40"}, "\"中文abc\"\n");
    EXPECT_EQ(refused.exit, kExitInvalidInput);
    EXPECT_TRUE(refused.err.contains("\"中\"")) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("Windows-1252"));
    // A 40-bit key derived from text is the start of the 128-bit key of the same text.
    const QString short40 = RunTool({"key", "--bits", "40"}, "my network\n").out.trimmed();
    const QString long128 = RunTool({"key", "--bits", "128"}, "my network\n").out.trimmed();
    EXPECT_EQ(short40.size(), 10);
    EXPECT_EQ(long128.size(), 26);
    EXPECT_TRUE(long128.startsWith(short40));
}

TEST(CliUsageTest, BadCommandLinesExitWith2) {
    const QStringList bad[] = {
        {},
        {"frobnicate"},
        {"show"},
        {"show", "a.cfg", "b.cfg"},
        {"show", "a.cfg", "--colour"},
        {"import", "a.json"},
        {"key", "--bits", "64"},
        {"read", "10.0.0.1"},
        {"discover", "--target"},
        {"discover", "--target", "example.org"},
        {"restart", "10.0.0.1", "--wait=0"},
        {"restart", "10.0.0.1", "--wait=soon"},
        {"restart", "10.0.0.1", "--timeout=soon"},
        {"restart", "10.0.0.1", "--colour=red"},
        {"read", "10.0.0.1", "-o", "x.cfg", "--wait"},
        {"write", "10.0.0.1", "a.cfg", "--json"},
        {"write", "10.0.0.1", "a.cfg", "--dry-run", "--wait"},
    };
    for (const QStringList& args : bad) {
        const CliRun run = RunTool(args, "pw\n");
        EXPECT_EQ(run.exit, kExitUsage) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("--help"));
    }
    const CliRun help = RunTool({"--help"});
    EXPECT_EQ(help.exit, kExitSuccess);
    EXPECT_TRUE(help.out.contains("Exit status:"));
}

} // namespace
} // namespace corvane::cli::test
