#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "sim_fixture.h"

#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace corvane::cli::test {
namespace {

using sim::SimOptions;
using sim::test::RunningFleet;

class CliStationTest : public sim::test::SimTest {
protected:
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
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
    WriteAll(Path("big.bin"), QByteArray(1572861, 'x'));
    const CliRun big = RunTool({"upload", host, Path("big.bin")}, "orchid\n");
    EXPECT_EQ(big.exit, kExitStationFailed);
    EXPECT_TRUE(big.err.contains("(Error Code: -15)"));
    const CliRun missing = RunTool({"upload", host, Path("missing.bin")}, "orchid\n");
    EXPECT_TRUE(missing.err.contains("(Error Code: -6703)"));

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
        if (line.find("stalling") == std::string::npos)
            return;
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

} // namespace
} // namespace corvane::cli::test
