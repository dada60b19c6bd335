// SPDX-License-Identifier: Apache-2.0
#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "config/element_stream.h"
#include "config/status_codes.h"
#include "mock_peer.h"
#include "protocol/message_header.h"
#include "sim_fixture.h"

#include <QDir>
#include <QFile>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <unistd.h>

namespace corvane::cli::test {
namespace {

using sim::SimOptions;
using sim::test::RunningFleet;

class CliStationTest : public sim::test::SimTest {
protected:
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    // The first simulated station starts with the configuration `json` gives.
    void StartFirstStationWith(const QByteArray& json) {
        WriteAll(Path("first.json"), json);
        ASSERT_EQ(RunTool({"import", Path("first.json"), "-o",
                           QString::fromStdString((stateDir_ / "station-127.0.0.1.cfg").string())})
                      .exit,
                  kExitSuccess);
    }
    QTemporaryDir dir_;
};

TEST_F(CliStationTest, ReadWriteAndRestartThroughTheTool) {
    RunningFleet running(Options(2), stateDir_);
    const QString host = QString::fromStdString(running.SessionHost(2));
    CliRun read = RunTool({"read", host, "-o", Path("station.cfg")}, "orchid\n");
    ASSERT_EQ(read.exit, kExitSuccess) << read.err.toStdString();
    EXPECT_TRUE(RunTool({"show", Path("station.cfg")}).out.contains("\"Base Station 2\""));

    WriteAll(Path("new.json"), R"({"syNm": "Cellar", "raCh": 3})");
    ASSERT_EQ(RunTool({"import", Path("new.json"), "-o", Path("new.cfg")}).exit, kExitSuccess);
    WriteAll(Path("password"), "orchid\n");
    const CliRun write = RunTool({"write", host, Path("new.cfg"), "--password-file", Path("password")});
    ASSERT_EQ(write.exit, kExitSuccess) << write.err.toStdString();
    EXPECT_EQ(running.fleet().StationAt(1).Configuration().syNm, "Cellar");
    EXPECT_TRUE(running.fleet().StationAt(1).IsDown()) << "a write ends with a restart";
}

// The port after a host name is honoured as after an address.
TEST_F(CliStationTest, APortAfterAHostNameIsHonoured) {
    RunningFleet running(Options(), stateDir_);
    const QString address = QString::fromStdString(running.SessionHost(1)); // 127.0.0.1:PORT
    const QString port = address.mid(address.lastIndexOf(':'));
    const CliRun read = RunTool({"read", "localhost" + port, "-o", Path("station.cfg")}, "orchid\n");
    ASSERT_EQ(read.exit, kExitSuccess) << read.err.toStdString();
    EXPECT_TRUE(RunTool({"show", Path("station.cfg")}).out.contains("\"Base Station 1\""));
}

// A station address a person typed is read whole: nothing is cut off, and nothing is sent.
TEST_F(CliStationTest, MistypedStationHostsAreRefused) {
    const char* const hosts[] = {"127.0.0.1.5",   "127.0.0.2 junk", "127.0.0.2:",  "127.0.0.2:99999",
                                 "127.0.0.2:80x", "localhost:abc",  "localhost:0", ":5009"};
    for (const char* host : hosts) {
        const CliRun read = RunTool({"read", host, "-o", Path("never.cfg")}, "orchid\n");
        EXPECT_EQ(read.exit, kExitUsage) << host;
        EXPECT_TRUE(read.err.contains(QString::fromLatin1(host))) << read.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(Path("never.cfg")));
}

// The address discovery is sent to is read whole: nothing is cut off, and nothing is sent.
TEST_F(CliStationTest, MistypedDiscoveryTargetsAreRefused) {
    for (const char* target :
         {"127.0.0.1.5", "127.0.0.2 junk", "127.0.0.2:", "127.0.0.2:99999", "127.0.0.2:80x"}) {
        const CliRun discover = RunTool({"discover", "--target", target});
        EXPECT_EQ(discover.exit, kExitUsage) << target;
        EXPECT_TRUE(discover.err.contains("--target needs ADDR[:PORT]")) << target;
    }
}

TEST_F(CliStationTest, WrongPasswordShowsMessage135WithItsCode) {
    RunningFleet running(Options(), stateDir_);
    const CliRun run = RunTool({"restart", QString::fromStdString(running.SessionHost(1))}, "guess\n");
    EXPECT_EQ(run.exit, kExitWrongPassword);
    EXPECT_TRUE(run.err.contains("The password entered does not match that of the base station."));
    EXPECT_TRUE(run.err.contains("(Error Code: -16)"));
}

TEST_F(CliStationTest, FaultsAreReportedWithMessage134AndTheStatus) {
    SimOptions options = Options(2);
    options.faults.push_back({1, sim::Fault::BadReplyChecksum});
    options.faults.push_back({2, sim::Fault::GiantLength});
    RunningFleet running(options, stateDir_);
    for (std::uint32_t station : {1u, 2u}) {
        const CliRun run =
            RunTool({"read", QString::fromStdString(running.SessionHost(station)), "-o", Path("never.cfg")},
                    "orchid\n");
        EXPECT_EQ(run.exit, kExitStationFailed);
        EXPECT_TRUE(run.err.contains("An error occurred while trying to access the base station."));
        EXPECT_TRUE(run.err.contains(station == 1 ? "(Error Code: -6)" : "(Error Code: -15)"))
            << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(Path("never.cfg"))) << "a failed read writes no file";
    }
}

TEST_F(CliStationTest, UploadRefusesImagesThatReachTheTrailer) {
    RunningFleet running(Options(), stateDir_);
    const QString host = QString::fromStdString(running.SessionHost(1));
    // A problem with the image is the file's: exit 5 and a message about the file, before any connection.
    WriteAll(Path("big.bin"), QByteArray(1572861, 'x'));
    WriteAll(Path("empty.bin"), {});
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("directory.bin")));
    for (const char* name : {"big.bin", "empty.bin", "directory.bin", "missing.bin"}) {
        const CliRun run = RunTool({"upload", host, Path(name)}, "orchid\n");
        EXPECT_EQ(run.exit, kExitReadFailed) << name;
        EXPECT_TRUE(run.err.contains(Path(name) + ": not a software image to upload: "))
            << run.err.toStdString();
        EXPECT_FALSE(run.err.contains("base station")) << run.err.toStdString();
    }

    WriteAll(Path("fits.bin"), QByteArray(1572860, 'y'));
    const CliRun fits = RunTool({"upload", host, Path("fits.bin")}, "orchid\n");
    EXPECT_EQ(fits.exit, kExitSuccess) << fits.err.toStdString();
    EXPECT_TRUE(running.fleet().StationAt(0).IsDown()) << "the upload ends with a restart";
}

TEST_F(CliStationTest, InterruptAbortsTheWaitWithMinus5) {
    // The station stalls; the interrupt is sent once it has the request.
    std::mutex mutex;
    std::condition_variable stalled;
    bool isStalled = false;
    SimOptions options = Options();
    options.faults.push_back({1, sim::Fault::Stall});
    options.stateDir = stateDir_.string();
    sim::Fleet fleet(options, [&](const std::string& line) {
        if (line.find("stalling") == std::string::npos) {
            return;
        }
        std::lock_guard lock(mutex);
        isStalled = true;
        stalled.notify_all();
    });
    std::string error;
    ASSERT_TRUE(fleet.Start(error)) << error;
    std::thread loop([&] { fleet.Run(); });
    int interrupt[2];
    ASSERT_EQ(::pipe(interrupt), 0);
    std::thread user([&] {
        std::unique_lock lock(mutex);
        stalled.wait(lock, [&] { return isStalled; });
        const char byte = 0;
        EXPECT_EQ(::write(interrupt[1], &byte, 1), 1);
    });
    const CliRun run =
        RunTool({"read", "127.0.0.1:" + QString::number(fleet.SessionPort()), "-o", Path("x.cfg")},
                "orchid\n", interrupt[0]);
    user.join();
    fleet.Stop();
    loop.join();
    ::close(interrupt[0]);
    ::close(interrupt[1]);
    EXPECT_EQ(run.exit, kExitInterrupted);
    EXPECT_TRUE(run.err.contains("(Error Code: -5)")) << run.err.toStdString();
}

TEST_F(CliStationTest, DryRunShowsWhatWouldChangeAndSendsNothing) {
    RunningFleet running(Options(), stateDir_);
    const QString host = QString::fromStdString(running.SessionHost(1));
    ASSERT_EQ(RunTool({"read", host, "-o", Path("same.cfg")}, "orchid\n").exit, kExitSuccess);
    const CliRun same = RunTool({"write", host, Path("same.cfg"), "--dry-run"}, "orchid\n");
    EXPECT_EQ(same.exit, kExitSuccess) << same.err.toStdString();
    EXPECT_TRUE(same.out.isEmpty()) << same.out.toStdString();

    WriteAll(Path("new.json"), R"({"syNm": "Caf\u00e9", "syPW": "s3cret", "raCh": 3})");
    ASSERT_EQ(RunTool({"import", Path("new.json"), "-o", Path("new.cfg")}).exit, kExitSuccess);
    const CliRun masked = RunTool({"write", host, Path("new.cfg"), "--dry-run"}, "orchid\n");
    EXPECT_EQ(masked.exit, kExitDifferent);
    EXPECT_EQ(masked.out, "syNm  Base station name\n  - \"Base Station 1\"\n  + \"Caf\u00e9\"\n"
                          "syPW  Base station password\n  - (hidden)\n  + (hidden)\n"
                          "raCh  Radio channel\n  - 1\n  + 3\n")
        << masked.out.toStdString();
    const CliRun revealed =
        RunTool({"write", host, Path("new.cfg"), "--dry-run", "--reveal-secrets", "--json"}, "orchid\n");
    EXPECT_EQ(revealed.exit, kExitDifferent);
    EXPECT_TRUE(revealed.out.contains(R"("after": "s3cret")")) << revealed.out.toStdString();
    EXPECT_TRUE(revealed.out.contains(R"("tag": "raCh")"));

    EXPECT_EQ(running.fleet().StationAt(0).Configuration().syNm, "Base Station 1");
    EXPECT_FALSE(running.fleet().StationAt(0).IsDown()) << "a dry run sends no write";
    EXPECT_EQ(RunTool({"write", host, Path("new.cfg"), "--json"}, "orchid\n").exit, kExitUsage);
}

TEST_F(CliStationTest, BackupKeepsTheStationsConfigurationBeforeTheWrite) {
    RunningFleet running(Options(), stateDir_);
    const QString host = QString::fromStdString(running.SessionHost(1));
    WriteAll(Path("new.json"), R"({"syNm": "Cellar"})");
    ASSERT_EQ(RunTool({"import", Path("new.json"), "-o", Path("new.cfg")}).exit, kExitSuccess);
    WriteAll(Path("backup.cfg"), "older backup");
    QFile::setPermissions(Path("backup.cfg"), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ReadGroup | QFileDevice::ReadOther);

    const CliRun run = RunTool({"write", host, Path("new.cfg"), "--backup", Path("backup.cfg")}, "orchid\n");
    ASSERT_EQ(run.exit, kExitSuccess) << run.err.toStdString();
    EXPECT_EQ(QFile::permissions(Path("backup.cfg")), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                          QFileDevice::ReadUser | QFileDevice::WriteUser);
    EXPECT_TRUE(RunTool({"show", Path("backup.cfg")}).out.contains("\"Base Station 1\""));
    EXPECT_EQ(running.fleet().StationAt(0).Configuration().syNm, "Cellar");
}

TEST_F(CliStationTest, ABackupThatCannotBeSavedStopsTheWrite) {
    RunningFleet running(Options(), stateDir_);
    const QString host = QString::fromStdString(running.SessionHost(1));
    WriteAll(Path("new.json"), R"({"syNm": "Cellar"})");
    ASSERT_EQ(RunTool({"import", Path("new.json"), "-o", Path("new.cfg")}).exit, kExitSuccess);
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("directory.cfg")));
    for (const char* backup : {"directory.cfg", "missing/backup.cfg"}) {
        const CliRun run = RunTool({"write", host, Path("new.cfg"), "--backup", Path(backup)}, "orchid\n");
        EXPECT_EQ(run.exit, kExitWriteFailed) << backup;
        EXPECT_TRUE(run.err.contains(host + ": nothing was written")) << run.err.toStdString();
        EXPECT_EQ(running.fleet().StationAt(0).Configuration().syNm, "Base Station 1");
        EXPECT_FALSE(running.fleet().StationAt(0).IsDown());
    }
}

// --backup naming the file to be written (by any name) is refused before the station is asked anything.
TEST_F(CliStationTest, ABackupOverTheFileToWriteIsRefused) {
    RunningFleet running(Options(), stateDir_);
    const QString host = QString::fromStdString(running.SessionHost(1));
    WriteAll(Path("new.json"), R"({"syNm": "Cellar"})");
    ASSERT_EQ(RunTool({"import", Path("new.json"), "-o", Path("new.cfg")}).exit, kExitSuccess);
    const QByteArray written = ReadAll(Path("new.cfg"));
    ASSERT_TRUE(QFile::link(Path("new.cfg"), Path("link.cfg")));
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("sub")));
    for (const QString& backup : {Path("new.cfg"), Path("link.cfg"), Path("sub/../new.cfg")}) {
        const CliRun run = RunTool({"write", host, Path("new.cfg"), "--backup", backup}, "orchid\n");
        EXPECT_EQ(run.exit, kExitUsage) << backup.toStdString();
        EXPECT_TRUE(run.err.contains("is the file to write")) << run.err.toStdString();
        EXPECT_EQ(ReadAll(Path("new.cfg")), written);
        EXPECT_EQ(running.fleet().StationAt(0).Configuration().syNm, "Base Station 1");
        EXPECT_FALSE(running.fleet().StationAt(0).IsDown());
    }
}

// Stations that do not answer discovery (here nothing listens on their discovery port) but can be read are
// saved all the same, named by their configuration's name and their address; a link planted under such a
// name is replaced by the backup, and what it named is left alone.
TEST_F(CliStationTest, BackupSavesStationsThatDoNotAnswerDiscovery) {
    RunningFleet running(Options(2), stateDir_);
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("backups")));
    WriteAll(Path("outside"), "not a configuration");
    ASSERT_TRUE(QFile::link(Path("outside"), Path("backups/Base_Station_1-127.0.0.1.cfg")));
    const CliRun run = RunTool({"backup", QString::fromStdString(running.SessionHost(1)),
                                QString::fromStdString(running.SessionHost(2)), Path("backups")},
                               "orchid\n");
    ASSERT_EQ(run.exit, kExitSuccess) << run.err.toStdString() << run.out.toStdString();
    EXPECT_EQ(run.err.count("did not answer discovery; its file is named by its configuration's name"), 2)
        << run.err.toStdString();
    EXPECT_EQ(ReadAll(Path("outside")), "not a configuration");
    for (const char* file :
         {"backups/Base_Station_1-127.0.0.1.cfg", "backups/Base_Station_2-127.0.0.2.cfg"}) {
        EXPECT_FALSE(QFileInfo(Path(file)).isSymLink()) << file;
        EXPECT_EQ(QFile::permissions(Path(file)), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ReadUser | QFileDevice::WriteUser)
            << file;
        EXPECT_TRUE(RunTool({"show", Path(file)}).out.contains("\"Base Station")) << file;
    }
}

// The station's side of an exchange that never ends: it holds the connection until the test lets it go (a
// client that gave up may still have data queued before its close).
class Holding {
public:
    Holding() { EXPECT_EQ(::pipe(release_), 0); }
    ~Holding() {
        ::close(release_[0]);
        ::close(release_[1]);
    }
    void Wait(int connection) const {
        pollfd watched[2] = {{connection, POLLRDHUP, 0}, {release_[0], POLLIN, 0}};
        ::poll(watched, 2, -1);
    }
    void Release() const { EXPECT_EQ(::write(release_[1], "x", 1), 1); }

private:
    int release_[2] = {-1, -1};
};

void ReplyHeader(int connection, std::int32_t status) {
    const MessageHeader header = testing::StationReplyHeader(status);
    testing::WriteAll(connection, header.data(), header.size());
}

// Every station operation ends on its own once --timeout has passed, whatever the station does meanwhile.
TEST_F(CliStationTest, EveryOperationEndsAtItsDeadline) {
    WriteAll(Path("image.bin"), QByteArray(100000, 'i'));
    WriteAll(Path("empty.json"), "{}");
    ASSERT_EQ(RunTool({"import", Path("empty.json"), "-o", Path("config.cfg")}).exit, kExitSuccess);
    using Script = void (*)(int connection, const Holding& holding);
    const Script neverReplies = [](int connection, const Holding& holding) {
        MessageHeader request;
        testing::ReadExactly(connection, request.data(), request.size());
        holding.Wait(connection);
    };
    const Script stopsReading = [](int connection, const Holding& holding) { holding.Wait(connection); };
    const Script trickles = [](int connection, const Holding&) {
        MessageHeader request;
        testing::ReadExactly(connection, request.data(), request.size());
        testing::ReadBytes(connection, kTransferCount * kElementHeaderSize);
        ReplyHeader(connection, 0);
        const std::uint8_t byte = 0;
        while (testing::WriteAll(connection, &byte, 1)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    };
    struct Case {
        const char* what;
        Script script;
        QStringList command; // before the host
        QStringList after;   // after the host
    };
    const Case cases[] = {
        {"read, no reply", neverReplies, {"read"}, {"-o", Path("never.cfg")}},
        {"restart, no reply", neverReplies, {"restart"}, {}},
        {"upload, no reply", neverReplies, {"upload"}, {Path("image.bin")}},
        {"upload, station stops reading", stopsReading, {"upload"}, {Path("image.bin")}},
        {"write, no reply", stopsReading, {"write"}, {Path("config.cfg")}},
        {"read, one byte at a time", trickles, {"read"}, {"-o", Path("never.cfg")}},
    };
    for (const Case& c : cases) {
        Holding holding;
        testing::MockPeer peer({[&](int connection) { c.script(connection, holding); }});
        const CliRun run = RunTool(c.command + QStringList{QString::fromStdString(peer.Host())} + c.after +
                                       QStringList{"--timeout", "0.3"},
                                   "orchid\n");
        EXPECT_EQ(run.exit, kExitStationFailed) << c.what;
        EXPECT_TRUE(run.err.contains("(Error Code: -4)")) << c.what << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains("did not finish within 0.3 s")) << c.what;
        EXPECT_FALSE(QFile::exists(Path("never.cfg")));
        holding.Release();
    }
    for (const char* bad : {"0", "-1", "soon", "1e9"}) {
        EXPECT_EQ(RunTool({"restart", "127.0.0.1", "--timeout", bad}, "orchid\n").exit, kExitUsage) << bad;
    }
}

TEST_F(CliStationTest, AStationStatusNoLayerDefinesIsShownAsUnknown) {
    for (const std::int32_t status :
         {12345, session_status::kWrongPassword, socket_status::kConnectionLost}) {
        testing::MockPeer peer({[status](int connection) {
            MessageHeader request;
            testing::ReadExactly(connection, request.data(), request.size());
            ReplyHeader(connection, status);
        }});
        const CliRun run = RunTool({"restart", QString::fromStdString(peer.Host())}, "orchid\n");
        EXPECT_EQ(run.err.contains(", unknown status)"), status == 12345) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("(Error Code: %1").arg(status)));
    }
}

TEST_F(CliStationTest, WriteWarnsAboutAStationPasswordLongerThanTheStationChecks) {
    WriteAll(Path("long.json"), "{\"syPW\": \"" + QByteArray(40, 'p') + "\"}");
    ASSERT_EQ(RunTool({"import", Path("long.json"), "-o", Path("long.cfg")}).exit, kExitSuccess);
    Holding holding;
    testing::MockPeer peer({[&holding](int connection) { holding.Wait(connection); }});
    const CliRun run = RunTool(
        {"write", QString::fromStdString(peer.Host()), Path("long.cfg"), "--timeout", "0.1"}, "orchid\n");
    EXPECT_TRUE(run.err.contains("warning: the base station password (syPW) is 40 bytes long"))
        << run.err.toStdString();
    holding.Release();
}

TEST_F(CliStationTest, DiscoverListsTheStationsThatAnswer) {
    SimOptions options = Options(3);
    options.resetStations = {2};
    RunningFleet running(options, stateDir_);
    const QString target = QString::fromStdString(running.EveryStationHost());
    const CliRun text = RunTool({"discover", "--target", target});
    ASSERT_EQ(text.exit, kExitSuccess) << text.err.toStdString();
    EXPECT_TRUE(text.out.contains("3 base station(s) found"));
    EXPECT_TRUE(text.out.contains("02:CB:02:00:00:03"));
    EXPECT_TRUE(text.out.contains("(reset, not configured)"));
    const CliRun json =
        RunTool({"discover", "--json", "--target", QString::fromStdString(running.DiscoveryHost(2))});
    ASSERT_EQ(json.exit, kExitSuccess);
    EXPECT_TRUE(json.out.contains("\"address\": \"127.0.0.2\""));
    EXPECT_TRUE(json.out.contains("\"reset\": true"));
    EXPECT_FALSE(json.out.contains("127.0.0.3"));
}

// A station's name is printed as text, never read as a format: every column stays where it belongs.
TEST_F(CliStationTest, DiscoverPrintsANameHoldingPlaceholdersAsText) {
    StartFirstStationWith(R"({"syNm": "%1%2%3"})");
    RunningFleet running(Options(), stateDir_);
    const CliRun text = RunTool({"discover", "--target", QString::fromStdString(running.DiscoveryHost(1))});
    ASSERT_EQ(text.exit, kExitSuccess) << text.err.toStdString();
    const QStringList lines = text.out.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 2);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("%1%2%3").leftJustified(31) + " 127.0.0.1       02:"))
        << text.out.toStdString();
    EXPECT_FALSE(lines[1].contains("%8")) << text.out.toStdString();
    EXPECT_EQ(lines[0].indexOf("Address"), lines[1].indexOf("127.0.0.1"));
}

TEST_F(CliStationTest, DiscoverShowsStationNamesEscaped) {
    StartFirstStationWith(R"({"syNm": "\u001b[2J\r\nForged  10.9.9.9\u009d"})");
    RunningFleet running(Options(), stateDir_);
    const CliRun text = RunTool({"discover", "--target", QString::fromStdString(running.DiscoveryHost(1))});
    ASSERT_EQ(text.exit, kExitSuccess) << text.err.toStdString();
    EXPECT_TRUE(text.out.contains(R"(\x1b[2J\x0d\x0aForged  10.9.9.9\x9d)")) << text.out.toStdString();
    EXPECT_EQ(text.out.count(QLatin1Char('\n')), 3) << "a header, one station, the count";
    const CliRun json =
        RunTool({"discover", "--json", "--target", QString::fromStdString(running.DiscoveryHost(1))});
    EXPECT_TRUE(json.out.contains(R"("name": "\u001b[2J\r\nForged  10.9.9.9\u009d")"))
        << json.out.toStdString();
}

} // namespace
} // namespace corvane::cli::test
