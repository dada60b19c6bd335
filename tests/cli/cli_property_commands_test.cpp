// SPDX-License-Identifier: Apache-2.0
// get and set: on configuration files, and set on a fleet of simulated stations on loopback.
#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "station_fleet_fixture.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

namespace corvane::cli::test {
namespace {

using sim::test::RunningFleet;

class CliSetFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteAll(Path("start.json"), R"({"syNm": "Lobby", "raCh": 3, "syPW": "orchid", "waIP": "10.0.0.2"})");
        ASSERT_EQ(RunTool({"import", Path("start.json"), "-o", Path("start.cfg")}).exit, kExitSuccess);
        WriteAll(Path("secret"), "Zebra crossing\n");
    }
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir_;
};

// A set on a file changes what it names and nothing else; get reads the result back.
TEST_F(CliSetFileTest, SetChangesOnlyTheNamedProperties) {
    struct Case {
        QStringList assignments;
        QStringList get;  // the properties then read with --reveal-secrets
        QString expected; // what get prints of them
        int differing;    // properties the new file changes
    };
    const Case cases[] = {
        {{"raCh=6"}, {"raCh", "syNm"}, "raCh  Radio channel: 6\nsyNm  Base station name: \"Lobby\"\n", 1},
        {{"syNm=Caf\u00e9 Nord", "waIP=10.0.1.1", "raCl=1"},
         {"syNm", "waIP", "raCl", "raCh"},
         "syNm  Base station name: \"Caf\u00e9 Nord\"\nwaIP  WAN IP address: 10.0.1.1\n"
         "raCl  Closed network (1 = on): 1\nraCh  Radio channel: 3\n",
         3},
        {{"syCt="}, {"syCt"}, "syCt  Contact: \"\"\n", 0},
        {{"--station-password-file", Path("secret")},
         {"syPW"},
         "syPW  Base station password: \"Zebra crossing\"\n",
         1},
        {{"--secondary-radius-secret-file", Path("secret"), "raI2=10.0.0.9"},
         {"raS2", "raI2"},
         "raS2  Secondary RADIUS shared secret: \"Zebra crossing\"\nraI2  Secondary RADIUS server address: "
         "10.0.0.9\n",
         2},
        // Derived as the desktop utility derives it, and the equivalent network password key prints.
        {{"--network-password-file", Path("secret"), "--bits", "40"},
         {"raWM"},
         "raWM  Encryption mode (0 off, 1 40-bit, 2 128-bit): 1\n",
         2},
    };
    for (const Case& c : cases) {
        const std::string name = c.assignments.join(' ').toStdString();
        QStringList args =
            QStringList{"set", Path("start.cfg")} + c.assignments + QStringList{"-o", Path("out.cfg")};
        const CliRun set = RunTool(args);
        ASSERT_EQ(set.exit, kExitSuccess) << name << ": " << set.err.toStdString();
        const CliRun get =
            RunTool(QStringList{"get", Path("out.cfg")} + c.get + QStringList{"--reveal-secrets"});
        EXPECT_EQ(get.exit, kExitSuccess) << name;
        EXPECT_EQ(get.out.toStdString(), c.expected.toStdString()) << name;
        const CliRun diff = RunTool({"diff", Path("start.cfg"), Path("out.cfg")});
        EXPECT_EQ(diff.out.count("\n  + "), c.differing) << name << ": " << diff.out.toStdString();
    }
    const CliRun key = RunTool({"key", "--bits", "40", "--password-file", Path("secret")});
    EXPECT_EQ(RunTool({"get", Path("out.cfg"), "raWE", "--json", "--reveal-secrets"}).out,
              "{\n    \"raWE\": \"" + key.out.trimmed() + "\"\n}\n");
}

TEST_F(CliSetFileTest, GetPrintsWhatShowPrintsAndHidesSecrets) {
    EXPECT_EQ(RunTool({"get", Path("start.cfg")}).out, RunTool({"show", Path("start.cfg")}).out);
    EXPECT_EQ(RunTool({"get", Path("start.cfg"), "--json", "--reveal-secrets"}).out,
              RunTool({"export", Path("start.cfg")}).out);
    const CliRun hidden = RunTool({"get", Path("start.cfg"), "syPW", "raCh", "--json"});
    EXPECT_EQ(hidden.out, "{\n    \"raCh\": 3,\n    \"syPW\": \"(hidden)\"\n}\n");
}

// A dry run tells and writes nothing; an unchanged file gives exit 0, a changed one 1.
TEST_F(CliSetFileTest, DryRunListsTheChangesAndWritesNothing) {
    const CliRun same = RunTool({"set", Path("start.cfg"), "raCh=3", "--dry-run"});
    EXPECT_EQ(same.exit, kExitSuccess);
    EXPECT_TRUE(same.out.isEmpty()) << same.out.toStdString();
    const CliRun changed =
        RunTool({"set", Path("start.cfg"), "raCh=6", "--station-password-file", Path("secret"), "--dry-run"});
    EXPECT_EQ(changed.exit, kExitDifferent);
    EXPECT_EQ(changed.out,
              "syPW  Base station password\n  - (hidden)\n  + (hidden)\nraCh  Radio channel\n  - 3\n  + 6\n");
    EXPECT_FALSE(QFile::exists(Path("out.cfg")));
}

// What set refuses, it refuses before reading anything or asking for a password; no file is written.
TEST_F(CliSetFileTest, RefusedCommandLinesChangeNothing) {
    struct Case {
        QStringList args;
        int exit;
        QString message;
    };
    const QString start = Path("start.cfg"), out = Path("out.cfg");
    const Case cases[] = {
        {{"set", start, "syPW=orchid", "-o", out}, kExitUsage, "give it with --station-password-file FILE"},
        {{"set", start, "raWE=0011223344", "-o", out},
         kExitUsage,
         "--network-password-file FILE --bits 40|128"},
        {{"set", start, "raSe=x", "-o", out}, kExitUsage, "give it with --radius-secret-file FILE"},
        {{"set", start, "raS2=x", "-o", out}, kExitUsage, "give it with --secondary-radius-secret-file FILE"},
        {{"set", start, "pePW=x", "-o", out}, kExitUsage, "pePW (PPPoE password) is a secret"},
        {{"set", start, "acTa=x", "-o", out},
         kExitUsage,
         "is a table, not set as PROPERTY=VALUE; change its entries with corvane acl"},
        {{"set", start, "pmTa=x", "-o", out},
         kExitUsage,
         "change its entries with corvane portmap add|remove"},
        {{"set", start, "raCh=six", "-o", out},
         kExitUsage,
         "raCh: expected a whole number from 0 to 4294967295"},
        {{"set", start, "raCl=256", "-o", out}, kExitUsage, "raCl: expected a whole number from 0 to 255"},
        {{"set", start, "waIP=10.0.0", "-o", out}, kExitUsage, "waIP: expected an address"},
        {{"set", start, "syNm=\u0100", "-o", out}, kExitUsage, "only Windows-1252"},
        {{"set", start, "abcd=1", "-o", out}, kExitUsage, "abcd is not a property"},
        {{"set", start, "raCh=1", "raCh=2", "-o", out}, kExitUsage, "raCh is given twice"},
        {{"set", start, "-o", out}, kExitUsage, "expected PROPERTY=VALUE or a new secret"},
        {{"set", start, "raCh=1"}, kExitUsage, "-o OUT.cfg, or shown with --dry-run"},
        {{"set", start, "raCh=1", "--wait", "-o", out}, kExitUsage, "--wait goes with stations"},
        {{"set", start, "raCh=1", "--all", "-o", out}, kExitUsage, "a file is edited alone"},
        {{"set", "10.0.0.1", "raCh=1", "-o", out}, kExitUsage, "-o goes with a FILE.cfg"},
        {{"set", "10.0.0.1", "raCh=1", "10.0.0.2"}, kExitUsage, "the stations go before PROPERTY=VALUE"},
        {{"set", "--all", "10.0.0.1", "raCh=1"}, kExitUsage, "expected HOST..., or --all"},
        {{"set", "10.0.0.1", "raCh=1", "--dry-run", "--wait"}, kExitUsage, "a dry run writes nothing"},
        {{"set", start, "--bits", "40", "-o", out}, kExitUsage, "--network-password-file and --bits"},
        {{"set", start, "--network-password-file", Path("secret"), "--bits", "64", "-o", out},
         kExitUsage,
         "--bits takes 40 or 128"},
        {{"set", start, "raWM=0", "--network-password-file", Path("secret"), "--bits", "40", "-o", out},
         kExitUsage,
         "raWM comes from --bits"},
        {{"set", start, "--station-password-file", Path("missing"), "-o", out},
         kExitInvalidInput,
         "cannot read the password file"},
        {{"set", start, "--network-password-file", "-", "--bits", "40", "-o", out},
         kExitInvalidInput,
         "no password on standard input"},
        {{"get", start, "raCh", "--timeout", "3"}, kExitUsage, "--timeout goes with a station"},
        {{"get", start, "channel"}, kExitUsage, "channel is not a property"},
    };
    for (const Case& c : cases) {
        const std::string name = c.args.join(' ').toStdString();
        const CliRun run = RunTool(c.args);
        EXPECT_EQ(run.exit, c.exit) << name << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << name << ": " << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(out)) << name;
    }
}

class CliSetFleetTest : public StationFleetTest {
protected:
    static constexpr std::uint32_t kStations = 20;
    CliSetFleetTest() : StationFleetTest(kStations) {}
};

// A dry run lists the change for every station and sends none; set changes them all; a second set finds
// nothing to change and writes nothing.
TEST_F(CliSetFleetTest, SetMovesEveryStationAndASecondRunChangesNothing) {
    RunningFleet running(Options(kStations), stateDir_);
    const QStringList hosts = Hosts(running);
    std::vector<std::filesystem::file_time_type> before;
    for (std::uint32_t n = 1; n <= kStations; ++n) {
        before.push_back(Written(n));
    }

    struct Case {
        QStringList options;
        int exit;
        const char* line; // each station's, after "HOST: "
        const char* summary;
        bool written;
    };
    const Case cases[] = {
        {{"--dry-run"},
         kExitDifferent,
         "would change raCh 1 -> 6\n",
         "20 of 20 base station(s) read: 20 would change, 0 unchanged, 0 failed\n",
         false},
        {{},
         kExitSuccess,
         "changed raCh 1 -> 6\n",
         "20 of 20 base station(s) set: 20 changed, 0 unchanged, 0 failed\n",
         true},
        {{},
         kExitSuccess,
         "unchanged\n",
         "20 of 20 base station(s) set: 0 changed, 20 unchanged, 0 failed\n",
         false},
    };
    for (const Case& c : cases) {
        const std::string name = c.options.join(' ').toStdString() + " " + c.summary;
        const CliRun run =
            RunTool(QStringList{"set"} + hosts + QStringList{"raCh=6"} + c.options, "orchid\n");
        EXPECT_EQ(run.exit, c.exit) << name << run.err.toStdString() << run.out.toStdString();
        for (const QString& host : hosts) {
            EXPECT_TRUE(run.out.contains(host + ": " + c.line)) << name << host.toStdString() << "\n"
                                                                << run.out.toStdString();
        }
        EXPECT_TRUE(run.out.endsWith(c.summary)) << name << run.out.toStdString();
        AwaitEveryStation(running);
        for (std::uint32_t n = 1; n <= kStations; ++n) {
            EXPECT_EQ(Written(n) != before[n - 1], c.written) << name << "station " << n;
            before[n - 1] = Written(n);
            EXPECT_EQ(running.fleet().StationAt(n - 1).Configuration().raCh,
                      c.written || c.exit == kExitSuccess ? 6u : 1u)
                << name << "station " << n;
        }
    }
}

// A station whose password differs fails alone; --json gives a record for each station; one station named
// gives its own exit status.
TEST_F(CliSetFleetTest, AStationWithAnotherPasswordFailsAlone) {
    WriteAll("other.json", R"({"syPW": "not orchid"})");
    ASSERT_EQ(RunTool({"import", "other.json", "-o",
                       QString::fromStdString((stateDir_ / "station-127.0.0.3.cfg").string())})
                  .exit,
              kExitSuccess);
    QFile::remove("other.json");
    RunningFleet running(Options(kStations), stateDir_);
    const QStringList hosts = Hosts(running);
    const CliRun run = RunTool(QStringList{"set"} + hosts + QStringList{"syLo=Hall", "--json"}, "orchid\n");
    EXPECT_EQ(run.exit, kExitSomeFailed) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("\"succeeded\": 19")) << run.out.toStdString();
    EXPECT_EQ(run.out.count("\"changed\": true"), 19) << run.out.toStdString();
    EXPECT_EQ(run.out.count("\"exit\": 4"), 1) << run.out.toStdString();
    EXPECT_EQ(run.out.count("\"after\": \"Hall\""), 19) << run.out.toStdString();
    AwaitEveryStation(running);
    for (std::uint32_t n = 1; n <= kStations; ++n) {
        EXPECT_EQ(running.fleet().StationAt(n - 1).Configuration().syLo, n == 3 ? "" : "Hall") << n;
    }
    const CliRun alone = RunTool({"set", hosts[2], "syLo=Hall"}, "orchid\n");
    EXPECT_EQ(alone.exit, kExitWrongPassword) << alone.out.toStdString();
    EXPECT_TRUE(alone.out.contains("(Error Code: -16)")) << alone.out.toStdString();
}

// A change that breaks the base station's rules is not written, to a file or a station, unless --no-check.
TEST_F(CliSetFleetTest, AChangeBreakingARuleIsRefused) {
    RunningFleet running(Options(2), stateDir_);
    const QStringList hosts = {QString::fromStdString(running.SessionHost(1)),
                               QString::fromStdString(running.SessionHost(2))};
    QTemporaryDir dir;
    const QString file = dir.filePath("station.cfg"), out = dir.filePath("out.cfg");
    ASSERT_EQ(RunTool({"read", hosts[0], "-o", file}, "orchid\n").exit, kExitSuccess);
    const QString rule = "raCh (Radio channel): The channel is not one of the channels";
    struct Case {
        QStringList args;
        int exit;
        bool stream; // the rule is told on standard output (a station's line), else on standard error
    };
    const Case cases[] = {
        {{"set", file, "raCh=12", "-o", out}, kExitRulesBroken, false},
        {{"set", file, "raCh=12", "--dry-run"}, kExitRulesBroken, false},
        {{"set", hosts[0], "raCh=12"}, kExitRulesBroken, true},
        {{"set", hosts[0], hosts[1], "raCh=12", "--dry-run"}, kExitSomeFailed, true},
    };
    for (const Case& c : cases) {
        const std::string name = c.args.join(' ').toStdString();
        const CliRun run = RunTool(c.args, "orchid\n");
        EXPECT_EQ(run.exit, c.exit) << name << run.err.toStdString();
        EXPECT_TRUE((c.stream ? run.out : run.err).contains(rule)) << name << run.out.toStdString();
        EXPECT_FALSE(QFile::exists(out)) << name;
    }
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(running.fleet().StationAt(i).Configuration().raCh, 1u);
        EXPECT_FALSE(running.fleet().StationAt(i).IsDown()) << "nothing was written";
    }
    EXPECT_EQ(RunTool({"set", file, "raCh=12", "-o", out, "--no-check"}).exit, kExitSuccess);
    const CliRun sent = RunTool({"set", hosts[0], "raCh=12", "--no-check"}, "orchid\n");
    EXPECT_EQ(sent.exit, kExitSuccess) << sent.out.toStdString();
    EXPECT_EQ(running.fleet().StationAt(0).Configuration().raCh, 12u);
}

// With --backup DIR, set --json names the copy of each station that changed, which holds it as it was; a
// station left unchanged is not copied. backup --json names each station's file.
TEST_F(CliSetFleetTest, JsonNamesEachCopy) {
    RunningFleet running(Options(kStations), stateDir_);
    const QStringList hosts = Hosts(running).mid(0, 2);
    ASSERT_EQ(RunTool({"set", hosts[0], "raCh=6"}, "orchid\n").exit, kExitSuccess);
    AwaitEveryStation(running);
    QTemporaryDir dir;
    const QString backups = dir.filePath("before");
    const CliRun run = RunTool(
        QStringList{"set"} + hosts + QStringList{"raCh=6", "--backup", backups, "--json"}, "orchid\n");
    EXPECT_EQ(run.exit, kExitSuccess) << run.err.toStdString();
    const QJsonArray records = QJsonDocument::fromJson(run.out.toUtf8()).object().value("stations").toArray();
    ASSERT_EQ(records.size(), 2) << run.out.toStdString();
    EXPECT_FALSE(records[0].toObject().contains("backup")) << run.out.toStdString();
    const QString copy = records[1].toObject().value("backup").toString();
    // Named as backup names it; on loopback no discovery answers, so by the station's address.
    EXPECT_TRUE(copy.startsWith(backups + "/Base_Station_2-")) << run.out.toStdString();
    EXPECT_EQ(RunTool({"get", copy, "raCh"}).out, "raCh  Radio channel: 1\n");
    AwaitEveryStation(running);

    const CliRun saved =
        RunTool(QStringList{"backup"} + hosts + QStringList{dir.filePath("all"), "--json"}, "orchid\n");
    EXPECT_EQ(saved.exit, kExitSuccess) << saved.err.toStdString();
    const QJsonArray savedRecords =
        QJsonDocument::fromJson(saved.out.toUtf8()).object().value("stations").toArray();
    ASSERT_EQ(savedRecords.size(), 2) << saved.out.toStdString();
    for (const QJsonValue record : savedRecords) {
        const QString file = record.toObject().value("file").toString();
        EXPECT_TRUE(file.startsWith(dir.filePath("all/Base_Station_"))) << saved.out.toStdString();
        EXPECT_EQ(RunTool({"get", file, "raCh"}).out, "raCh  Radio channel: 6\n") << file.toStdString();
    }
}

TEST_F(CliSetFleetTest, GetReadsAStation) {
    RunningFleet running(Options(2), stateDir_);
    const QString host = QString::fromStdString(running.SessionHost(2));
    const CliRun run = RunTool({"get", host, "syNm", "raCh", "syPW"}, "orchid\n");
    EXPECT_EQ(run.exit, kExitSuccess) << run.err.toStdString();
    EXPECT_EQ(run.out, "syNm  Base station name: \"Base Station 2\"\nraCh  Radio channel: 1\n"
                       "syPW  Base station password: (hidden)\n");
    EXPECT_EQ(RunTool({"get", host, "raCh"}, "wrong\n").exit, kExitWrongPassword);
}

} // namespace
} // namespace corvane::cli::test
