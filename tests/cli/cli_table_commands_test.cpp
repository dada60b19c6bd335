// SPDX-License-Identifier: Apache-2.0
// acl and portmap: on configuration files, and on a fleet of simulated stations on loopback.
#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "station_fleet_fixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace corvane::cli::test {
namespace {

using sim::test::RunningFleet;

class CliTableFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        WriteAll(Path("start.json"),
                 R"({"acEn": 1, "acTa": [{"corvaneId": "00:11:22:33:44:55", "description": "Desk"}],)"
                 R"( "pmTa": [{"privateAddress": "10.0.1.5", "privatePort": 80, "publicPort": 8080}]})");
        ASSERT_EQ(RunTool({"import", Path("start.json"), "-o", Path("start.cfg")}).exit, kExitSuccess);
    }
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QTemporaryDir dir_;
};

// Each edit of a file, then the table as list --json prints it and whether the file changed at all.
TEST_F(CliTableFileTest, EditsAddAndRemoveOnceAndReplaceADescription) {
    const char* const desk = R"({"corvaneId": "00:11:22:33:44:55", "description": "Desk"})";
    const char* const web = R"({"privateAddress": "10.0.1.5", "privatePort": 80, "publicPort": 8080})";
    const auto table = [](const char* tag, QStringList entries) {
        return QStringLiteral("{\"%1\":[%2]}").arg(tag, entries.join(','));
    };
    struct Case {
        QStringList args; // the command and its action, then the ID or the mapping
        QString list;     // what list --json then prints of the table, without white space
        bool changed;
    };
    const Case cases[] = {
        {{"acl", "add", "02:00:00:00:00:01", "Laptop"},
         table("acTa", {desk, R"({"corvaneId": "02:00:00:00:00:01", "description": "Laptop"})"}),
         true},
        // Another spelling of a listed client with its description: as it is.
        {{"acl", "add", "00-11-22-33-44-55", "Desk"}, table("acTa", {desk}), false},
        {{"acl", "add", "0011 2233 4455", "Front desk"},
         table("acTa", {R"({"corvaneId": "00:11:22:33:44:55", "description": "Front desk"})"}),
         true},
        {{"acl", "remove", "00:11:22:33:44:55"}, table("acTa", {}), true},
        {{"acl", "remove", "02:00:00:00:00:09"}, table("acTa", {desk}), false},
        {{"portmap", "add", "8080", "10.0.1.5", "80"}, table("pmTa", {web}), false}, // already there
        {{"portmap", "add", "8081", "10.0.1.5", "80"}, // differs only in the public port
         table("pmTa", {web, R"({"privateAddress": "10.0.1.5", "privatePort": 80, "publicPort": 8081})"}),
         true},
        {{"portmap", "remove", "8080", "10.0.1.5", "80"}, table("pmTa", {}), true},
        {{"portmap", "remove", "8080", "10.0.1.6", "80"}, table("pmTa", {web}), false},
    };
    for (const Case& c : cases) {
        const std::string name = c.args.join(' ').toStdString();
        QStringList args = c.args.mid(0, 2) + QStringList{Path("start.cfg")} + c.args.mid(2) +
                           QStringList{"-o", Path("out.cfg")};
        const CliRun edit = RunTool(args);
        ASSERT_EQ(edit.exit, kExitSuccess) << name << ": " << edit.err.toStdString();
        const CliRun list = RunTool({c.args[0], "list", Path("out.cfg"), "--json"});
        EXPECT_EQ(QString(list.out).remove(' ').remove('\n'), QString(c.list).remove(' '))
            << name << ": " << list.out.toStdString();
        const CliRun diff = RunTool({"diff", Path("start.cfg"), Path("out.cfg")});
        EXPECT_EQ(diff.exit == kExitDifferent, c.changed) << name << ": " << diff.out.toStdString();
    }
    // Access control follows the list: off once the last client is gone.
    ASSERT_EQ(RunTool({"acl", "remove", Path("start.cfg"), "001122334455", "-o", Path("out.cfg")}).exit,
              kExitSuccess);
    EXPECT_EQ(RunTool({"get", Path("out.cfg"), "acEn", "--json"}).out, "{\n    \"acEn\": 0\n}\n");
    EXPECT_EQ(RunTool({"acl", "list", Path("start.cfg")}).out,
              Path("start.cfg") + ": 1 entry\n    00:11:22:33:44:55 \"Desk\"\n");
}

// What the entry dialogs refuse is refused with their messages before anything is read; nothing is written.
TEST_F(CliTableFileTest, RefusedEntriesChangeNothing) {
    struct Case {
        QStringList args;
        const char* message;
    };
    const QString start = Path("start.cfg");
    const Case cases[] = {
        {{"acl", "add", start, "00:11:22:33:44", "Laptop"}, "expected HOST... CORVANE-ID [DESCRIPTION]"},
        {{"acl", "add", "--all", "00:11:22:33:44", "Laptop"}, "The Corvane ID does not appear to be valid."},
        {{"acl", "add", "--all", "00:11:22:33:44:5G"}, "The Corvane ID does not appear to be valid."},
        {{"acl", "add", "--all", ""}, "Some fields were left blank."},
        {{"acl", "add", start, "02:00:00:00:00:01", QString(34, 'd')}, "at most 33 characters"},
        {{"acl", "add", start, "02:00:00:00:00:01", "two\r\nlines"}, "cannot contain line breaks"},
        {{"acl", "add", start, "02:00:00:00:00:01", "\u0100"}, "only Windows-1252"},
        {{"acl", "remove", start, "02:00:00:00:00:01", "Laptop"}, "expected HOST... CORVANE-ID, or --all"},
        {{"acl", "grant", start, "02:00:00:00:00:01"}, "expected acl add, acl remove or acl list"},
        {{"portmap", "add", start, "", "10.0.1.5", "80"}, "Some fields were left blank."},
        {{"portmap", "add", start, "8080", "", "80"}, "Some fields were left blank."},
        {{"portmap", "add", start, "70000", "10.0.1.5", "80"},
         "PUBLIC-PORT: expected a port from 0 to 65535"},
        {{"portmap", "add", start, "8080", "10.0.1", "80"}, "PRIVATE-ADDRESS: expected a dotted quad"},
        {{"portmap", "add", start, "8080", "10.0.1.5", "http"}, "PRIVATE-PORT: expected a port"},
        {{"portmap", "remove", "10.0.1.5", "80"}, "expected HOST... PUBLIC-PORT"},
        {{"portmap", "list", start, "--dry-run"}, "--dry-run goes with stations, not with a file"},
        {{"acl", "list", "127.0.0.1", "--wait"}, "--wait goes with add and remove, not with list"},
    };
    for (const Case& c : cases) {
        const std::string name = c.args.join(' ').toStdString();
        const CliRun run = RunTool(c.args + QStringList{"-o", Path("out.cfg")});
        EXPECT_EQ(run.exit, kExitUsage) << name << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(c.message)) << name << ": " << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(Path("out.cfg"))) << name;
    }
}

class CliTableFleetTest : public StationFleetTest {
protected:
    static constexpr std::uint32_t kStations = 6;
    CliTableFleetTest() : StationFleetTest(kStations) {}
};

// Every edit twice: the first changes every station, the second finds nothing to do and writes nothing.
TEST_F(CliTableFleetTest, EachEditChangesEveryStationOnceAndThenNothing) {
    RunningFleet running(Options(kStations), stateDir_);
    const QStringList hosts = Hosts(running);
    struct Case {
        QStringList before; // the command and its action
        QStringList after;  // the entry
        const char* changes;
        std::size_t clients, mappings; // what each station then holds
    };
    const Case cases[] = {
        {{"acl", "add"}, {"02:00:00:00:00:01", "Laptop"}, "acTa 0 entries -> 1 entry, acEn 0 -> 1", 1, 0},
        {{"acl", "add"}, {"02-00-00-00-00-01", "Laptop 2"}, "acTa 1 entry -> 1 entry", 1, 0},
        {{"portmap", "add"}, {"8080", "10.0.1.5", "80"}, "pmTa 0 entries -> 1 entry", 1, 1},
        {{"portmap", "remove"}, {"8080", "10.0.1.5", "80"}, "pmTa 1 entry -> 0 entries", 1, 0},
        {{"acl", "remove"}, {"020000000001"}, "acTa 1 entry -> 0 entries, acEn 1 -> 0", 0, 0},
    };
    std::vector<std::filesystem::file_time_type> before;
    for (std::uint32_t n = 1; n <= kStations; ++n) {
        before.push_back(Written(n));
    }
    for (const Case& c : cases) {
        for (const bool second : {false, true}) {
            const std::string name = (c.before + c.after).join(' ').toStdString() + (second ? " again" : "");
            const CliRun run = RunTool(c.before + hosts + c.after, "orchid\n");
            EXPECT_EQ(run.exit, kExitSuccess) << name << run.err.toStdString() << run.out.toStdString();
            for (const QString& host : hosts) {
                const QString line =
                    host + ": " + (second ? QString("unchanged") : "changed " + QString(c.changes));
                EXPECT_TRUE(run.out.contains(line + "\n")) << name << "\n" << run.out.toStdString();
            }
            AwaitEveryStation(running);
            for (std::uint32_t n = 1; n <= kStations; ++n) {
                EXPECT_EQ(Written(n) != before[n - 1], !second) << name << " station " << n;
                before[n - 1] = Written(n);
                const ConfigRecord held = running.fleet().StationAt(n - 1).Configuration();
                EXPECT_EQ(held.acTa.size(), c.clients) << name << " station " << n;
                EXPECT_EQ(held.pmTa.size(), c.mappings) << name << " station " << n;
            }
        }
    }
}

// A station whose password differs fails alone, and list shows each station's table.
TEST_F(CliTableFleetTest, AStationWithAnotherPasswordFailsAlone) {
    WriteAll("other.json", R"({"syPW": "not orchid"})");
    ASSERT_EQ(RunTool({"import", "other.json", "-o",
                       QString::fromStdString((stateDir_ / "station-127.0.0.3.cfg").string())})
                  .exit,
              kExitSuccess);
    QFile::remove("other.json");
    RunningFleet running(Options(kStations), stateDir_);
    const QStringList hosts = Hosts(running);
    const CliRun add =
        RunTool(QStringList{"acl", "add"} + hosts + QStringList{"02:00:00:00:00:01", "Laptop"}, "orchid\n");
    EXPECT_EQ(add.exit, kExitSomeFailed) << add.err.toStdString();
    EXPECT_TRUE(add.out.contains(hosts[2] + ": The password")) << add.out.toStdString();
    EXPECT_TRUE(add.out.endsWith("5 of 6 base station(s) set: 5 changed, 0 unchanged, 1 failed\n"))
        << add.out.toStdString();
    AwaitEveryStation(running);

    const CliRun list = RunTool(QStringList{"acl", "list"} + hosts, "orchid\n");
    EXPECT_EQ(list.exit, kExitSomeFailed) << list.err.toStdString();
    EXPECT_TRUE(
        list.out.contains(hosts[0] + " (Base Station 1): 1 entry\n    02:00:00:00:00:01 \"Laptop\"\n"))
        << list.out.toStdString();
    EXPECT_EQ(list.out.count("02:00:00:00:00:01 \"Laptop\""), 5) << list.out.toStdString();
    EXPECT_TRUE(list.out.endsWith("5 of 6 base station(s) listed, 1 failed\n")) << list.out.toStdString();
    const CliRun json = RunTool({"portmap", "list", hosts[0], "--json"}, "orchid\n");
    EXPECT_EQ(json.exit, kExitSuccess) << json.err.toStdString();
    EXPECT_TRUE(json.out.contains("\"pmTa\": [\n")) << json.out.toStdString();
    EXPECT_EQ(RunTool({"acl", "list", hosts[2]}, "orchid\n").exit, kExitWrongPassword);
}

} // namespace
} // namespace corvane::cli::test
