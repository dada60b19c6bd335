// SPDX-License-Identifier: Apache-2.0
// The command-line tool against the simulator, as two processes in the private test network: the tests run in
// its client namespace and start corvane-sim in its lan namespace.
#include "child_process.h"

#include <algorithm>
#include <arpa/inet.h>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <unistd.h>

namespace corvane::e2e {
namespace {

namespace fs = std::filesystem;

// Station roles of the shared fleet (1-based, from the first station address on).
enum Role : int {
    kHealthy = 1,
    kBadReplyChecksum,
    kCloseMidStream,
    kStall,
    kLyingStatusLength,
    kGiantLength,
    kDropDiscovery,
    kReset,
    kRoleCount = kReset,
};

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The address of station n: the network's first station address plus n - 1.
std::string StationAddress(int n) {
    in_addr address{};
    ::inet_pton(AF_INET, Env("CORVANE_FIRST_STATION").c_str(), &address);
    address.s_addr = htonl(ntohl(address.s_addr) + std::uint32_t(n - 1));
    char text[INET_ADDRSTRLEN];
    return ::inet_ntop(AF_INET, &address, text, sizeof text);
}

class Simulator {
public:
    Simulator(const fs::path& stateDir, int stations, std::vector<std::string> extra = {}) {
        std::vector<std::string> argv = {"ip",
                                         "netns",
                                         "exec",
                                         Env("CORVANE_LAN_NS"),
                                         CORVANE_SIM_PATH,
                                         "--stations",
                                         std::to_string(stations),
                                         "--first-address",
                                         Env("CORVANE_FIRST_STATION"),
                                         "--state-dir",
                                         stateDir.string(),
                                         "--restart-ms",
                                         "300"};
        argv.insert(argv.end(), extra.begin(), extra.end());
        program_ = std::make_unique<RunningProgram>(argv);
        ready_ = program_->WaitForLine("session port");
    }
    bool ready() const { return ready_; }
    RunningProgram& program() { return *program_; }

private:
    std::unique_ptr<RunningProgram> program_;
    bool ready_ = false;
};

Finished Tool(std::vector<std::string> args, const std::string& input = "orchid\n") {
    args.insert(args.begin(), CORVANE_CLI_PATH);
    return RunProgram(args, input);
}

class CliSimTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (Env("CORVANE_LAN_NS").empty()) {
            return;
        }
        stateDir_ = fs::temp_directory_path() / ("corvane-e2e-" + std::to_string(::getpid()));
        fs::create_directories(stateDir_ / "fleet");
        fleet_ = new Simulator(stateDir_ / "fleet", kRoleCount,
                               {"--fault", std::to_string(kBadReplyChecksum) + ":bad-reply-checksum",
                                "--fault", std::to_string(kCloseMidStream) + ":close-mid-stream", "--fault",
                                std::to_string(kStall) + ":stall", "--fault",
                                std::to_string(kLyingStatusLength) + ":lying-status-length", "--fault",
                                std::to_string(kGiantLength) + ":giant-length", "--fault",
                                std::to_string(kDropDiscovery) + ":drop-discovery", "--reset",
                                std::to_string(kReset)});
    }
    static void TearDownTestSuite() {
        delete fleet_;
        fleet_ = nullptr;
        if (!stateDir_.empty()) {
            fs::remove_all(stateDir_);
        }
    }
    void SetUp() override {
        if (Env("CORVANE_LAN_NS").empty()) {
            GTEST_SKIP() << "runs inside scripts/privnet.sh only";
        }
        ASSERT_TRUE(fleet_->ready()) << fleet_->program().Output();
        dir_ = stateDir_ / ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::create_directories(dir_);
    }
    std::string File(const char* name) const { return (dir_ / name).string(); }

    static fs::path stateDir_;
    static Simulator* fleet_;
    fs::path dir_;
};

fs::path CliSimTest::stateDir_;
Simulator* CliSimTest::fleet_ = nullptr;

int CountAddresses(const std::string& json) {
    int count = 0;
    for (auto at = json.find("\"address\""); at != std::string::npos; at = json.find("\"address\"", at + 1)) {
        ++count;
    }
    return count;
}

// The ready file holds the one line once the simulator says it is up, whatever the file held before.
TEST_F(CliSimTest, ReadyFileIsWrittenWhole) {
    const std::string ready = File("ready");
    { std::ofstream(ready) << std::string(300, 'x') << "\nstale second line\n"; }
    Simulator sim(dir_ / "state", 1, {"--discovery-port", "0", "--session-port", "0", "--ready-file", ready});
    ASSERT_TRUE(sim.ready()) << sim.program().Output();
    std::ifstream file(ready);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ(text.rfind("ready ", 0), 0u) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
}

TEST_F(CliSimTest, DiscoverBroadcastFindsEveryAnsweringStation) {
    const Finished run = Tool({"discover"});
    ASSERT_EQ(run.exit, 0) << run.err;
    EXPECT_NE(run.out.find(std::to_string(kRoleCount - 1) + " base station(s) found"), std::string::npos)
        << run.out;
    EXPECT_EQ(run.out.find(StationAddress(kDropDiscovery) + " "), std::string::npos);
    EXPECT_NE(run.out.find("(reset, not configured)"), std::string::npos);
}

TEST_F(CliSimTest, DiscoverOneStationByItsAddress) {
    const Finished run = Tool({"discover", "--json", "--target", StationAddress(kHealthy)});
    ASSERT_EQ(run.exit, 0) << run.err;
    EXPECT_EQ(CountAddresses(run.out), 1) << run.out;
    EXPECT_NE(run.out.find("\"name\": \"Base Station 1\""), std::string::npos);
}

TEST_F(CliSimTest, DiscoverFiftyStations) {
    Simulator fifty(dir_ / "state", 50, {"--first-address", StationAddress(101)});
    ASSERT_TRUE(fifty.ready()) << fifty.program().Output();
    const Finished run = Tool({"discover", "--json"});
    ASSERT_EQ(run.exit, 0) << run.err;
    EXPECT_EQ(CountAddresses(run.out), 50 + kRoleCount - 1) << "the shared fleet answers as well";
}

TEST_F(CliSimTest, ReadShowWritePersistsAcrossASimulatorRestart) {
    const std::string state = (dir_ / "state").string();
    {
        Simulator one(state, 1, {"--first-address", StationAddress(201)});
        ASSERT_TRUE(one.ready());
        ASSERT_EQ(Tool({"read", StationAddress(201), "-o", File("read.cfg")}).exit, 0);
        const Finished shown = Tool({"show", File("read.cfg")});
        EXPECT_NE(shown.out.find("syNm  Base station name: \"Base Station 1\""), std::string::npos)
            << shown.out;

        std::ofstream(File("new.json")) << R"({"syNm": "Cellar", "syPW": "pw2", "raCh": 9})";
        ASSERT_EQ(Tool({"import", File("new.json"), "-o", File("new.cfg")}).exit, 0);
        const Finished written = Tool({"write", StationAddress(201) + ":5009", File("new.cfg")});
        ASSERT_EQ(written.exit, 0) << written.err;
        EXPECT_TRUE(one.program().WaitForLine("configuration written"));
        EXPECT_TRUE(one.program().WaitForLine("restarting"));
    }
    Simulator again(state, 1, {"--first-address", StationAddress(201)});
    ASSERT_TRUE(again.ready());
    const Finished wrong = Tool({"read", StationAddress(201), "-o", File("again.cfg")});
    EXPECT_EQ(wrong.exit, 4) << "the written password is the one asked for now";
    EXPECT_NE(wrong.err.find("(Error Code: -16)"), std::string::npos);
    ASSERT_EQ(Tool({"read", StationAddress(201), "-o", File("again.cfg")}, "pw2\n").exit, 0);
    EXPECT_EQ(Tool({"diff", File("new.cfg"), File("again.cfg")}).exit, 0);
}

TEST_F(CliSimTest, RestartAndUpload) {
    Simulator one(dir_ / "state", 1, {"--first-address", StationAddress(211)});
    ASSERT_TRUE(one.ready());
    ASSERT_EQ(Tool({"restart", StationAddress(211)}).exit, 0);
    EXPECT_TRUE(one.program().WaitForLine("up again"));

    std::vector<char> image(684528);
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = char(i * 7);
    }
    std::ofstream(File("image.bin"), std::ios::binary).write(image.data(), std::streamsize(image.size()));
    const Finished upload = Tool({"upload", StationAddress(211), File("image.bin")});
    ASSERT_EQ(upload.exit, 0) << upload.err;
    EXPECT_TRUE(one.program().WaitForLine("software image kept"));
    EXPECT_TRUE(one.program().WaitForLine("restarting with the new software"));
    std::ifstream kept(dir_ / "state" / ("station-" + StationAddress(211) + ".cfg.image"), std::ios::binary);
    const std::vector<char> block((std::istreambuf_iterator<char>(kept)), {});
    ASSERT_EQ(block.size(), 0x180000u);
    EXPECT_TRUE(std::equal(image.begin(), image.end(), block.begin()));
}

TEST_F(CliSimTest, DryRunOfAnEqualAndOfAChangedFile) {
    Simulator one(dir_ / "state", 1, {"--first-address", StationAddress(221)});
    ASSERT_TRUE(one.ready());
    ASSERT_EQ(Tool({"read", StationAddress(221), "-o", File("same.cfg")}).exit, 0);
    const Finished same = Tool({"write", StationAddress(221), File("same.cfg"), "--dry-run"});
    EXPECT_EQ(same.exit, 0) << same.err;
    EXPECT_EQ(same.out, "");
    std::ofstream(File("new.json")) << R"({"syNm": "Attic", "raSe": "radius secret"})";
    ASSERT_EQ(Tool({"import", File("new.json"), "-o", File("new.cfg")}).exit, 0);
    const Finished changed = Tool({"write", StationAddress(221), File("new.cfg"), "--dry-run"});
    EXPECT_EQ(changed.exit, 1) << changed.err;
    EXPECT_NE(changed.out.find("  + \"Attic\""), std::string::npos) << changed.out;
    EXPECT_NE(changed.out.find("raSe  Primary RADIUS shared secret\n  - (hidden)\n  + (hidden)\n"),
              std::string::npos)
        << changed.out;
    EXPECT_EQ(one.program().CountOf("configuration written"), 0) << "nothing was sent";
}

TEST_F(CliSimTest, ABackupThatCannotBeWrittenStopsTheWrite) {
    Simulator one(dir_ / "state", 1, {"--first-address", StationAddress(222)});
    ASSERT_TRUE(one.ready());
    std::ofstream(File("new.json")) << R"({"syNm": "Attic"})";
    ASSERT_EQ(Tool({"import", File("new.json"), "-o", File("new.cfg")}).exit, 0);
    const Finished run =
        Tool({"write", StationAddress(222), File("new.cfg"), "--backup", File("no such dir/backup.cfg")});
    EXPECT_EQ(run.exit, 6) << run.err;
    EXPECT_NE(run.err.find(StationAddress(222) + ": nothing was written"), std::string::npos) << run.err;
    EXPECT_EQ(one.program().CountOf("configuration written"), 0);
    const Finished kept =
        Tool({"write", StationAddress(222), File("new.cfg"), "--backup", File("backup.cfg")});
    EXPECT_EQ(kept.exit, 0) << kept.err;
    EXPECT_EQ(fs::status(File("backup.cfg")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    // The simulator's line may reach us after the tool has ended.
    EXPECT_TRUE(one.program().WaitForLine("configuration written"));
    EXPECT_EQ(one.program().CountOf("configuration written"), 1);
}

struct WaitCase {
    const char* what;
    std::vector<std::string> faults;  // the simulator's, for its one station
    std::vector<std::string> command; // the host goes after the command's name
    int exit;
    const char* says; // on standard error, or null
};

// --wait: the station comes back (and a write reads back what it sent), never comes back, or comes back
// without what was written.
TEST_F(CliSimTest, WaitForTheStationToComeBack) {
    std::ofstream(File("new.json")) << R"({"syNm": "Attic", "raCh": 6})";
    ASSERT_EQ(Tool({"import", File("new.json"), "-o", File("new.cfg")}).exit, 0);
    std::ofstream(File("image.bin"), std::ios::binary) << std::string(4096, 'i');
    const WaitCase cases[] = {
        {"write", {}, {"write", File("new.cfg"), "--wait=20"}, 0, nullptr},
        {"restart", {}, {"restart", "--wait"}, 0, nullptr},
        {"upload", {}, {"upload", File("image.bin"), "--wait=20"}, 0, nullptr},
        {"restart, stays down",
         {"--fault", "1:stay-down"},
         {"restart", "--wait=1.5"},
         8,
         "did not come back within 1.5 s"},
        {"write, forgotten",
         {"--fault", "1:forget-writes"},
         {"write", File("new.cfg"), "--wait=20"},
         9,
         "came back with 2 properties other than written"},
    };
    int n = 0;
    for (const WaitCase& c : cases) {
        const std::string address = StationAddress(230 + n);
        std::vector<std::string> options = {"--first-address", address};
        options.insert(options.end(), c.faults.begin(), c.faults.end());
        Simulator one(dir_ / ("state" + std::to_string(n++)), 1, options);
        ASSERT_TRUE(one.ready());
        std::vector<std::string> args = c.command;
        args.insert(args.begin() + 1, address);
        const Finished run = Tool(args);
        EXPECT_EQ(run.exit, c.exit) << c.what << ": " << run.err;
        if (c.says) {
            EXPECT_NE(run.err.find(c.says), std::string::npos) << c.what << ": " << run.err;
        }
        if (c.exit == 0) {
            EXPECT_TRUE(one.program().WaitForLine("up again")) << c.what;
        }
    }
}

// A fleet of its own on discovery port 1192, so that the shared fleet does not answer its scans.
constexpr const char* kFleetDiscoveryPort = "1192";
const std::string kFleetScan = std::string("255.255.255.255:") + kFleetDiscoveryPort;

int CountFiles(const fs::path& directory) {
    return int(std::distance(fs::directory_iterator(directory), fs::directory_iterator()));
}

TEST_F(CliSimTest, FleetBackupContinuesPastFailuresAndSaysSo) {
    constexpr int kStations = 50, kWrongPassword = 13, kStalled = 37, kFirst = 301;
    const fs::path state = dir_ / "state";
    fs::create_directories(state);
    fs::permissions(state, fs::perms::owner_all);
    std::ofstream(File("other.json")) << R"({"syPW": "not orchid"})";
    ASSERT_EQ(Tool({"import", File("other.json"), "-o",
                    (state / ("station-" + StationAddress(kFirst + kWrongPassword - 1) + ".cfg")).string()})
                  .exit,
              0);
    Simulator fleet(state, kStations,
                    {"--first-address", StationAddress(kFirst), "--discovery-port", kFleetDiscoveryPort,
                     "--fault", std::to_string(kStalled) + ":stall"});
    ASSERT_TRUE(fleet.ready());

    // The stalled station holds its exchange until the time-out, which gives the others the time a busy
    // machine needs.
    const Finished run = Tool({"backup", "--all", File("backups"), "--target", kFleetScan, "--timeout", "5"});
    EXPECT_EQ(run.exit, 10) << run.err;
    EXPECT_EQ(CountFiles(File("backups")), kStations - 2);
    EXPECT_NE(run.out.find("48 of 50 base station(s) saved, 2 failed\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find(StationAddress(kFirst + kWrongPassword - 1) + ": The password entered"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(StationAddress(kFirst + kStalled - 1) + ": An error occurred"), std::string::npos);
    EXPECT_NE(run.out.find(StationAddress(kFirst) + ": saved " + File("backups") +
                           "/Base_Station_1-02CB02000001.cfg\n"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), kStations + 1) << "a line each, a summary";
    EXPECT_EQ(run.err.find('\r'), std::string::npos) << "no progress when standard error is no terminal";
    for (const auto& file : fs::directory_iterator(File("backups"))) {
        EXPECT_EQ(file.status().permissions() & fs::perms::all,
                  fs::perms::owner_read | fs::perms::owner_write);
    }
    const Finished shown = Tool({"show", File("backups") + "/Base_Station_2-02CB02000002.cfg"});
    EXPECT_NE(shown.out.find("\"Base Station 2\""), std::string::npos) << shown.out;

    // Named stations (of the shared fleet, on the discovery port stations use), as JSON; an address where no
    // station answers fails alone.
    const Finished named = Tool({"backup", "--json", StationAddress(kHealthy),
                                 StationAddress(kLyingStatusLength), StationAddress(999), File("named")});
    EXPECT_EQ(named.exit, 10) << named.err;
    EXPECT_EQ(CountFiles(File("named")), 2);
    EXPECT_NE(named.out.find("\"succeeded\": 2"), std::string::npos) << named.out;
    EXPECT_NE(named.out.find("\"wanMac\": \"02:CB:02:00:00:05\""), std::string::npos) << named.out;
    EXPECT_NE(named.out.find("did not answer discovery within 3 s"), std::string::npos) << named.out;
    EXPECT_EQ(Tool({"backup", StationAddress(kHealthy) + ":99999", File("never")}).exit, 2);
    EXPECT_FALSE(fs::exists(File("never"))) << "a bad command line does nothing";
}

TEST_F(CliSimTest, FleetUploadStopsAtTheFirstStationThatDoesNotComeBack) {
    std::ofstream(File("image.bin"), std::ios::binary) << std::string(4096, 'i');
    // The first station never comes back, whatever the wait; where the others go on, the wait is what a busy
    // machine needs for them.
    struct Case {
        bool keepGoing;
        const char* wait;
        const char* summary;
    };
    int n = 0;
    for (const Case c : {Case{false, "1", "0 of 12 base station(s) updated, 1 failed, 11 not begun\n"},
                         Case{true, "10", "11 of 12 base station(s) updated, 1 failed\n"}}) {
        const int index = n++;
        Simulator fleet(dir_ / ("state" + std::to_string(index)), 12,
                        {"--first-address", StationAddress(401 + 20 * index), "--discovery-port",
                         kFleetDiscoveryPort, "--fault", "1:stay-down"});
        ASSERT_TRUE(fleet.ready());
        std::vector<std::string> args = {"upload",   "--all",    File("image.bin"),
                                         "--target", kFleetScan, std::string("--wait=") + c.wait};
        if (c.keepGoing) {
            args.push_back("--keep-going");
        }
        const Finished run = Tool(args);
        EXPECT_EQ(run.exit, 10) << run.err;
        EXPECT_NE(run.out.find(c.summary), std::string::npos) << run.out;
        EXPECT_NE(run.out.find(std::string("did not come back within ") + c.wait + " s"), std::string::npos)
            << run.out;
    }
}

// A fleet of `stations` from station address `first` on, answering discovery on the fleet's port, its state
// in `state`; the station at `other` has a password of its own. Nothing when that station's file cannot be
// made.
std::unique_ptr<Simulator> StartFleetWithAnotherPassword(const fs::path& state, int stations, int first,
                                                         const std::string& other) {
    fs::create_directories(state);
    std::ofstream(state / "other.json") << R"({"syPW": "not orchid"})";
    const int made = Tool({"import", (state / "other.json").string(), "-o",
                           (state / ("station-" + other + ".cfg")).string()})
                         .exit;
    fs::remove(state / "other.json");
    if (made != 0) {
        return nullptr;
    }
    return std::make_unique<Simulator>(state, stations,
                                       std::vector<std::string>{"--first-address", StationAddress(first),
                                                                "--discovery-port", kFleetDiscoveryPort});
}

// Every station to channel 6: a dry run lists the change for each and writes none; set with --wait leaves
// every station on channel 6, read back; a second run finds nothing to change. A station with another
// password fails alone.
TEST_F(CliSimTest, FleetSetChangesEachStationOnceAndSaysSo) {
    constexpr int kStations = 20, kWrongPassword = 7, kFirst = 501;
    const fs::path state = dir_ / "state";
    const std::string other = StationAddress(kFirst + kWrongPassword - 1);
    const std::unique_ptr<Simulator> fleet = StartFleetWithAnotherPassword(state, kStations, kFirst, other);
    ASSERT_TRUE(fleet && fleet->ready());

    struct Case {
        std::vector<std::string> options;
        int exit;
        const char* line; // each good station's, after "ADDRESS: "
        const char* summary;
    };
    const Case cases[] = {
        {{"--dry-run"},
         10,
         "would change raCh 1 -> 6\n",
         "19 of 20 base station(s) read: 19 would change, 0 unchanged, 1 failed\n"},
        {{"--wait=20", "--backup", File("before")},
         10,
         "changed raCh 1 -> 6; back, as written\n",
         "19 of 20 base station(s) set: 19 changed, 0 unchanged, 1 failed\n"},
        {{}, 10, "unchanged\n", "19 of 20 base station(s) set: 0 changed, 19 unchanged, 1 failed\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"set", "--all", "--target", kFleetScan, "raCh=6"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const Finished run = Tool(args);
        EXPECT_EQ(run.exit, c.exit) << c.summary << run.err;
        EXPECT_NE(run.out.find(c.summary), std::string::npos) << run.out;
        EXPECT_NE(run.out.find(other + ": The password entered"), std::string::npos) << run.out;
        for (int n = kFirst; n < kFirst + kStations; ++n) {
            if (n != kFirst + kWrongPassword - 1) {
                EXPECT_NE(run.out.find(StationAddress(n) + ": " + c.line), std::string::npos)
                    << c.summary << run.out;
            }
        }
    }
    EXPECT_EQ(CountFiles(File("before")), kStations - 1) << "a copy of each station written";
    const Finished channel =
        Tool({"get", "--", (state / ("station-" + StationAddress(kFirst) + ".cfg")).string(), "raCh"});
    EXPECT_EQ(channel.out, "raCh  Radio channel: 6\n") << channel.err;
}

// In the private network, acl and portmap add on every station that answers a scan: each changes every
// station once and then finds nothing to do; a station with another password fails alone.
TEST_F(CliSimTest, FleetTableEditsChangeEachStationOnce) {
    constexpr int kStations = 8, kWrongPassword = 3, kFirst = 601;
    const fs::path state = dir_ / "state";
    const std::string other = StationAddress(kFirst + kWrongPassword - 1);
    const std::unique_ptr<Simulator> fleet = StartFleetWithAnotherPassword(state, kStations, kFirst, other);
    ASSERT_TRUE(fleet && fleet->ready());

    struct Case {
        std::vector<std::string> edit;
        const char* changes; // each good station's line on the first run, after "ADDRESS: changed "
    };
    const Case cases[] = {
        {{"acl", "add", "--all", "00:1A:2B:3C:4D:5E", "Laptop"}, "acTa 0 entries -> 1 entry, acEn 0 -> 1"},
        {{"portmap", "add", "--all", "8080", "10.0.1.5", "80"}, "pmTa 0 entries -> 1 entry"},
    };
    for (const Case& c : cases) {
        for (const bool second : {false, true}) {
            std::vector<std::string> args = c.edit;
            args.insert(args.end(), {"--target", kFleetScan, "--wait=20"});
            const Finished run = Tool(args);
            const std::string summary =
                second ? "7 of 8 base station(s) set: 0 changed, 7 unchanged, 1 failed\n"
                       : "7 of 8 base station(s) set: 7 changed, 0 unchanged, 1 failed\n";
            EXPECT_EQ(run.exit, 10) << summary << run.err;
            EXPECT_NE(run.out.find(summary), std::string::npos) << run.out;
            EXPECT_NE(run.out.find(other + ": The password entered"), std::string::npos) << run.out;
            const std::string line =
                second ? "unchanged\n" : "changed " + std::string(c.changes) + "; back, as written\n";
            for (int n = kFirst; n < kFirst + kStations; ++n) {
                if (n != kFirst + kWrongPassword - 1) {
                    EXPECT_NE(run.out.find(StationAddress(n) + ": " + line), std::string::npos) << run.out;
                }
            }
        }
        const Finished list = Tool({c.edit[0], "list", "--all", "--target", kFleetScan, "--json"});
        EXPECT_NE(list.out.find(c.edit[0] == "acl" ? "\"description\": \"Laptop\""
                                                   : "\"privateAddress\": \"10.0.1.5\""),
                  std::string::npos)
            << list.out;
        EXPECT_NE(list.out.find("\"succeeded\": 7"), std::string::npos) << list.out;
    }
}

TEST_F(CliSimTest, WrongPasswordIsMinus16) {
    const Finished run = Tool({"restart", StationAddress(kHealthy)}, "not it\n");
    EXPECT_EQ(run.exit, 4);
    EXPECT_NE(run.err.find("The password entered does not match that of the base station."),
              std::string::npos);
    EXPECT_NE(run.err.find("(Error Code: -16)"), std::string::npos);
}

struct FaultCase {
    Role station;
    std::vector<std::string> command;
    int exit;
    const char* code; // the status printed, or null for success
};

TEST_F(CliSimTest, EachFaultGivesItsStatus) {
    const FaultCase cases[] = {
        {kBadReplyChecksum, {"read"}, 3, "(Error Code: -6)"},
        {kCloseMidStream, {"read"}, 3, "(Error Code: -6)"},
        {kGiantLength, {"read"}, 3, "(Error Code: -15)"},
        {kLyingStatusLength, {"read"}, 0, nullptr},
        {kStall, {"restart"}, 3, "(Error Code: -4)"}, // the restart's 5-second reply time-out
    };
    for (const FaultCase& c : cases) {
        std::vector<std::string> args = c.command;
        args.push_back(StationAddress(c.station));
        if (c.command[0] == "read") {
            args.push_back("-o");
            args.push_back(File("fault.cfg"));
        }
        const Finished run = Tool(args);
        EXPECT_EQ(run.exit, c.exit) << "station " << c.station << ": " << run.err;
        if (c.code) {
            EXPECT_NE(run.err.find(c.code), std::string::npos) << run.err;
            EXPECT_NE(run.err.find("An error occurred while trying to access the base station."),
                      std::string::npos);
        }
    }
}

TEST_F(CliSimTest, InterruptDuringAWaitIsMinus5) {
    const std::string stalling = "station " + std::to_string(kStall) + ": stalling";
    const int before = fleet_->program().CountOf(stalling);
    RunningProgram tool({CORVANE_CLI_PATH, "read", StationAddress(kStall), "-o", File("never.cfg")},
                        "orchid\n");
    ASSERT_TRUE(fleet_->program().WaitForLine(stalling, before + 1));
    tool.Signal(SIGINT);
    EXPECT_EQ(tool.Wait(), 130);
    EXPECT_NE(tool.Output().find("(Error Code: -5)"), std::string::npos) << tool.Output();
    EXPECT_FALSE(fs::exists(File("never.cfg")));
}

} // namespace
} // namespace corvane::e2e
