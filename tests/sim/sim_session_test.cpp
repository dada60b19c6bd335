// SPDX-License-Identifier: Apache-2.0
#include "config/byte_order.h"
#include "config/config_file.h"
#include "config/element_stream.h"
#include "config/status_codes.h"
#include "sim/state_file.h"
#include "sim/stream_io.h"
#include "sim_fixture.h"

#include <chrono>
#include <fstream>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvane::sim::test {
namespace {

constexpr std::uint32_t kRead = 20;
constexpr std::uint32_t kWrite = 21;
constexpr std::uint32_t kUpload = 3;

// Reads the whole configuration of a station the way the utility does; 0, a reply status or a stream status.
int ReadConfiguration(const std::string& host, ConfigRecord& record, const char* password = "orchid",
                      bool* headerValid = nullptr) {
    StationConnection connection(host);
    if (connection.connectStatus() != 0) {
        return connection.connectStatus();
    }
    const std::vector<std::uint8_t> body = ReadRequestBody();
    if (const int sent = connection.SendRequest(kRead, std::uint32_t(body.size()), body.data(), password);
        sent != 0) {
        return sent;
    }
    MessageHeader reply{};
    if (const int received = connection.ReceiveHeader(reply); received != 0) {
        return received;
    }
    if (headerValid) {
        *headerValid = VerifyMessageHeader(reply);
    }
    if (!VerifyMessageHeader(reply)) {
        return kChecksumMismatch;
    }
    if (const int status = ReplyStatus(reply); status != 0) {
        return status;
    }
    return ReadElementStream(record, [&](std::uint8_t* buffer, std::size_t length) {
        std::vector<std::uint8_t> bytes(length);
        const int status = connection.Receive(bytes);
        std::copy(bytes.begin(), bytes.end(), buffer);
        return status;
    });
}

// Writes a configuration; 0, the reply status or the first non-zero write result.
int WriteConfiguration(const std::string& host, const ConfigRecord& record, bool finish = true,
                       bool restart = true, const char* password = "orchid") {
    StationConnection connection(host);
    if (connection.connectStatus() != 0) {
        return connection.connectStatus();
    }
    if (const int sent = connection.SendRequest(kWrite, kNoBody, nullptr, password); sent != 0) {
        return sent;
    }
    MessageHeader reply{};
    if (const int received = connection.ReceiveHeader(reply); received != 0) {
        return received;
    }
    if (const int status = ReplyStatus(reply); status != 0) {
        return status;
    }
    if (const int sent = connection.Send(WriteStream(record, finish, restart)); sent != 0) {
        return sent;
    }
    for (;;) {
        std::vector<std::uint8_t> result(16);
        if (const int received = connection.Receive(result); received != 0) {
            return received;
        }
        if (const auto code = std::int32_t(LoadBigEndian32(result.data() + 12)); code != 0) {
            return code;
        }
        if (LoadBigEndian32(result.data()) == 0) {
            return 0;
        }
    }
}

int UploadBlock(const std::string& host, const std::vector<std::uint8_t>& block,
                std::uint32_t announcedLength) {
    StationConnection connection(host);
    if (connection.connectStatus() != 0) {
        return connection.connectStatus();
    }
    MessageHeader header{};
    BuildMessageHeader(0, 0, kUpload, announcedLength, block.data(), "orchid", header);
    if (const int sent = connection.SendHeaderAndBody(header, block); sent != 0) {
        return sent;
    }
    MessageHeader reply{};
    if (const int received = connection.ReceiveHeader(reply); received != 0) {
        return received;
    }
    return ReplyStatus(reply);
}

// Retries a read until the station answers again after a restart; the time limit only guards against a hang.
bool WaitUntilReachable(const std::string& host) {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < limit) {
        ConfigRecord record;
        if (ReadConfiguration(host, record) == 0) {
            return true;
        }
    }
    return false;
}

using SimSessionTest = SimTest;

TEST_F(SimSessionTest, ReadReturnsEveryPropertyScrambledWhereFlagged) {
    RunningFleet running(Options(2), stateDir_);
    ConfigRecord record;
    record.syNm = "stale";
    ASSERT_EQ(ReadConfiguration(running.SessionHost(2), record), 0);
    EXPECT_EQ(record.syNm, "Base Station 2"); // syNm travels scrambled: a wrong descrambling would garble it
    EXPECT_EQ(record.raCh, 1u);
    EXPECT_EQ(record.dhLe, 14400u);
}

TEST_F(SimSessionTest, WrongPasswordIsRefusedWithMinus16BeforeAnyElement) {
    RunningFleet running(Options(), stateDir_);
    ConfigRecord record;
    EXPECT_EQ(ReadConfiguration(running.SessionHost(1), record, "guess"), session_status::kWrongPassword);
    EXPECT_EQ(WriteConfiguration(running.SessionHost(1), record, true, true, ""),
              session_status::kWrongPassword);
}

TEST_F(SimSessionTest, WritePersistsAtomicallyAndSurvivesASimulatorRestart) {
    ConfigRecord written;
    written.syNm = "Attic";
    written.syPW = "s3cret";
    written.raCh = 6;
    written.pmTa.push_back({0x0A010205, 80, 8080});
    {
        RunningFleet running(Options(), stateDir_);
        ASSERT_EQ(WriteConfiguration(running.SessionHost(1), written), 0);
        EXPECT_FALSE(std::filesystem::exists(running.fleet().StationAt(0).StatePath() + ".tmp"));
    }
    RunningFleet restarted(Options(), stateDir_);
    ConfigRecord record;
    ASSERT_EQ(ReadConfiguration(restarted.SessionHost(1), record, "s3cret"), 0);
    EXPECT_EQ(record.syNm, "Attic");
    EXPECT_EQ(record.raCh, 6u);
    ASSERT_EQ(record.pmTa.size(), 1u);
    EXPECT_EQ(record.pmTa[0], written.pmTa[0]);
}

// Two writes that change nothing: one that never finishes, and one that a station forgetting writes takes.
TEST_F(SimSessionTest, WritesThatAreNotKept) {
    for (const bool forgets : {false, true}) {
        const std::filesystem::path fresh = stateDir_ / (forgets ? "forgets" : "unfinished");
        SimOptions options = Options();
        if (forgets) {
            options.faults.push_back({1, Fault::ForgetWrites});
        }
        RunningFleet running(options, fresh);
        ConfigRecord changed;
        changed.syNm = "Never kept";
        ASSERT_EQ(WriteConfiguration(running.SessionHost(1), changed, forgets, false), 0);
        ConfigRecord record;
        ASSERT_EQ(ReadConfiguration(running.SessionHost(1), record), 0);
        EXPECT_EQ(record.syNm, "Base Station 1") << (forgets ? "forgotten" : "unfinished");
    }
}

TEST_F(SimSessionTest, RestartMakesTheStationUnreachableThenResetsItsUptime) {
    RunningFleet running(Options(), stateDir_);
    Station& station = running.fleet().StationAt(0);
    const auto before = station.UptimeTicks(Clock::now() + std::chrono::seconds(100));
    ASSERT_EQ(WriteConfiguration(running.SessionHost(1), ConfigRecord{}, false, true), 0);
    EXPECT_TRUE(station.IsDown());
    ASSERT_TRUE(WaitUntilReachable(running.SessionHost(1)));
    EXPECT_FALSE(station.IsDown());
    EXPECT_LT(station.UptimeTicks(Clock::now()), before);
}

TEST_F(SimSessionTest, AStationThatStaysDownNeverComesBack) {
    SimOptions options = Options(2);
    options.faults.push_back({2, Fault::StayDown});
    RunningFleet running(options, stateDir_);
    for (std::uint32_t station : {1u, 2u}) {
        ASSERT_EQ(WriteConfiguration(running.SessionHost(station), ConfigRecord{}, false, true), 0);
    }
    // Both were due back at the same moment; the event loop brings back every station that is due at once.
    ASSERT_TRUE(WaitUntilReachable(running.SessionHost(1)));
    EXPECT_TRUE(running.fleet().StationAt(1).IsDown());
}

TEST_F(SimSessionTest, UploadChecksBothChecksumsAndKeepsTheImage) {
    RunningFleet running(Options(), stateDir_);
    const std::string host = running.SessionHost(1);
    const std::vector<std::uint8_t> image(684528, 0xA5);
    std::vector<std::uint8_t> block = SoftwareBlock(image);
    ASSERT_EQ(UploadBlock(host, block, std::uint32_t(block.size())), 0);
    const std::string imagePath = running.fleet().StationAt(0).StatePath() + ".image";
    std::ifstream kept(imagePath, std::ios::binary);
    const std::vector<std::uint8_t> keptBytes((std::istreambuf_iterator<char>(kept)), {});
    EXPECT_EQ(keptBytes, block);
    EXPECT_TRUE(running.fleet().StationAt(0).ImagePending());

    std::vector<std::uint8_t> badTrailer = block;
    badTrailer.back() ^=
        1; // the header's body checksum is computed over this block, so only the trailer is wrong
    EXPECT_EQ(UploadBlock(host, badTrailer, std::uint32_t(badTrailer.size())), kChecksumMismatch);
    EXPECT_EQ(UploadBlock(host, std::vector<std::uint8_t>(1000, 0), 1000), kMalformedValue);

    // The following restart installs the image.
    ASSERT_EQ(WriteConfiguration(host, ConfigRecord{}, false, true), 0);
    EXPECT_FALSE(running.fleet().StationAt(0).ImagePending());
}

TEST_F(SimSessionTest, BodyChecksumMismatchIsRefused) {
    RunningFleet running(Options(), stateDir_);
    StationConnection connection(running.SessionHost(1));
    ASSERT_EQ(connection.connectStatus(), 0);
    std::vector<std::uint8_t> body = ReadRequestBody();
    MessageHeader header{};
    BuildMessageHeader(0, 0, kRead, std::uint32_t(body.size()), body.data(), "orchid", header);
    body[5] ^= 1;
    ASSERT_EQ(connection.SendHeaderAndBody(header, body), 0);
    MessageHeader reply{};
    ASSERT_EQ(connection.ReceiveHeader(reply), 0);
    EXPECT_EQ(ReplyStatus(reply), kChecksumMismatch);
}

// Each fault as the client sees it.
struct FaultCase {
    const char* name;
    Fault fault;
    int readStatus;
};

class SimFaultTest : public SimTest, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(SimFaultTest, ReadSeesTheFault) {
    SimOptions options = Options(2);
    options.faults.push_back({2, GetParam().fault});
    RunningFleet running(options, stateDir_);
    ConfigRecord record;
    EXPECT_EQ(ReadConfiguration(running.SessionHost(2), record), GetParam().readStatus);
    ConfigRecord healthy;
    EXPECT_EQ(ReadConfiguration(running.SessionHost(1), healthy), 0)
        << "the fault is the faulty station's only";
}

INSTANTIATE_TEST_SUITE_P(
    Faults, SimFaultTest,
    ::testing::Values(FaultCase{"BadReplyChecksum", Fault::BadReplyChecksum, kChecksumMismatch},
                      FaultCase{"CloseMidStream", Fault::CloseMidStream, socket_status::kConnectionLost},
                      FaultCase{"LyingStatusLength", Fault::LyingStatusLength, 0},
                      FaultCase{"GiantLength", Fault::GiantLength, kMalformedValue}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SimSessionTest, StalledStationNeverReplies) {
    SimOptions options = Options();
    options.faults.push_back({1, Fault::Stall});
    RunningFleet running(options, stateDir_);
    StationConnection connection(running.SessionHost(1));
    ASSERT_EQ(connection.connectStatus(), 0);
    const std::vector<std::uint8_t> body = ReadRequestBody();
    ASSERT_EQ(connection.SendRequest(kRead, std::uint32_t(body.size()), body.data(), "orchid"), 0);
    MessageHeader reply{};
    EXPECT_EQ(connection.ReceiveHeader(reply, 300), socket_status::kTimedOut);
}

TEST_F(SimSessionTest, CorruptStateFileIsNeitherLoadedNorOverwritten) {
    const std::string path = (stateDir_ / "station-127.0.0.1.cfg").string();
    { std::ofstream(path) << "not a configuration"; }
    SimOptions options = Options();
    options.stateDir = stateDir_.string();
    Fleet withState(options, nullptr);
    std::string error;
    EXPECT_FALSE(withState.Start(error));
    EXPECT_NE(error.find("not a valid configuration file"), std::string::npos);
    std::ifstream kept(path);
    std::string text;
    std::getline(kept, text);
    EXPECT_EQ(text, "not a configuration");
}

mode_t Mode(const std::filesystem::path& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// The state holds passwords: owner-only files in an owner-only directory, written through a temporary file
// nobody could have planted.
TEST_F(SimSessionTest, StateIsOwnerOnlyAndWrittenThroughAFreshTemporaryFile) {
    const std::filesystem::path fresh = stateDir_ / "fresh";
    const std::filesystem::path file = fresh / "station-127.0.0.1.cfg";
    const std::filesystem::path victim = stateDir_ / "victim";
    { std::ofstream(victim) << "keep me"; }
    std::filesystem::create_directory(fresh);
    std::filesystem::create_symlink(victim, file.string() + ".tmp"); // the name a fixed scheme would use
    {
        RunningFleet running(Options(), fresh);
        ConfigRecord record;
        record.syNm = "Changed";
        ASSERT_EQ(WriteConfiguration(running.SessionHost(1), record, true, false), 0);
    }
    EXPECT_EQ(Mode(file), 0600u);
    std::ifstream kept(victim);
    std::string text;
    std::getline(kept, text);
    EXPECT_EQ(text, "keep me");

    // A file made readable by its owner's choice stays so; a new directory is owner-only.
    std::filesystem::permissions(file, std::filesystem::perms(0644));
    std::string error;
    ASSERT_TRUE(SaveStationConfiguration(file.string(), ConfigRecord{}, error)) << error;
    EXPECT_EQ(Mode(file), 0644u);
    ASSERT_TRUE(PrepareStateDirectory((stateDir_ / "new").string(), error)) << error;
    EXPECT_EQ(Mode(stateDir_ / "new"), 0700u);
}

TEST_F(SimSessionTest, AStateDirectoryOfAnotherUserIsRefused) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "giving a directory to another user needs root";
    }
    ASSERT_EQ(::chown(stateDir_.c_str(), 65534, 65534), 0);
    SimOptions options = Options();
    options.stateDir = stateDir_.string();
    Fleet fleet(options, nullptr);
    std::string error;
    EXPECT_FALSE(fleet.Start(error));
    EXPECT_NE(error.find("belongs to another user"), std::string::npos) << error;
}

// Idle connections cannot hold every session: at the cap the one idle longest makes room.
TEST_F(SimSessionTest, IdleConnectionsCannotWedgeTheStation) {
    SimOptions options = Options();
    options.maxSessions = 2;
    RunningFleet running(options, stateDir_);
    StationConnection idle1(running.SessionHost(1)), idle2(running.SessionHost(1));
    ASSERT_EQ(idle1.connectStatus(), 0);
    ASSERT_EQ(idle2.connectStatus(), 0);
    for (int i = 0; i < 3; ++i) {
        ConfigRecord record;
        EXPECT_EQ(ReadConfiguration(running.SessionHost(1), record), 0) << i;
    }
    MessageHeader nothing{};
    EXPECT_EQ(idle1.ReceiveHeader(nothing), socket_status::kConnectionLost)
        << "the idlest connection was dropped";
}

// A write session takes memory as data arrives, not what an element header announces.
TEST(SimStreamIoTest, AnnouncedLengthsCostNothingUntilTheDataArrives) {
    int pair[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0, pair), 0);
    ASSERT_EQ(::write(pair[1], "ten bytes!", 10), 10);
    ::close(pair[1]);
    StreamIo io(pair[0], -1, 1000);
    std::vector<std::uint8_t> value;
    EXPECT_FALSE(io.ReadGrowing(value, 16u * 1024 * 1024));
    EXPECT_LE(value.capacity(), 64u * 1024);
    ::close(pair[0]);
}

} // namespace
} // namespace corvane::sim::test
