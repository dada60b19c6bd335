// SPDX-License-Identifier: Apache-2.0
#include "config/byte_order.h"
#include "mock_peer.h"
#include "protocol/discovery.h"
#include "protocol/event.h"
#include "protocol/session_status.h"
#include "protocol/unicast_discovery.h"

#include <atomic>
#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

namespace corvane {
namespace {

using testing::DatagramPeer;
using Bytes = std::vector<std::uint8_t>;
using namespace discovery_offset;

// An answer as a station sends it, big-endian, `size` bytes long.
Bytes Answer(const std::string& name, std::size_t size = kDiscoveryDatagramSize,
             std::uint8_t kind = kDiscoveryAnswerKind) {
    Bytes answer(kDiscoveryDatagramSize, 0);
    answer[kMarker] = kDiscoveryMarker;
    answer[kKind] = kind;
    StoreBigEndian16(answer.data() + kFlags, kStationFlagReset | 0x0012);
    for (std::uint8_t i = 0; i < 6; ++i) {
        answer[kWirelessMac + i] = std::uint8_t(0xA0 + i);
        answer[kLanMac + i] = std::uint8_t(0xB0 + i);
        answer[kWanMac + i] = std::uint8_t(0xC0 + i);
    }
    StoreBigEndian32(answer.data() + kAddress, 0x0A000063); // ignored: the source address counts
    std::memcpy(answer.data() + kName, name.data(), std::min(name.size(), std::size_t(32)));
    StoreBigEndian32(answer.data() + kUptime, 123456);
    std::memset(answer.data() + kDescription, 'd', 32);
    answer.resize(size);
    return answer;
}

class DiscoveryCellTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(OpenSocketCell(kCellDatagram, 0, &cell_), 0); }
    void TearDown() override { CloseSocketCell(cell_, 0); }

    SocketCell* cell_ = nullptr;
    DatagramPeer station_;
};

TEST_F(DiscoveryCellTest, RequestIsMarkerKindAndZeros) {
    ASSERT_EQ(SendDiscoveryRequest(cell_, 0, station_.Host().c_str()), 0);
    Bytes expected(kDiscoveryDatagramSize, 0);
    expected[0] = 1;
    EXPECT_EQ(station_.Receive(), expected);
    EXPECT_EQ(SendDiscoveryRequest(nullptr, 0), session_status::kBadArgument);
    EXPECT_EQ(SendDiscoveryRequest(cell_, 1), session_status::kReservedNotZero);
    EXPECT_EQ(ReceiveDiscoveryAnswer(nullptr, 0, 1, nullptr), session_status::kBadArgument);
    EXPECT_EQ(ReceiveDiscoveryAnswer(cell_, 1, 1, nullptr), session_status::kReservedNotZero);
}

TEST_F(DiscoveryCellTest, AnswerIsConvertedInPlaceAndBecomesARecord) {
    ASSERT_EQ(SendDiscoveryRequest(cell_, 0, station_.Host().c_str()), 0);
    station_.Receive();
    station_.Reply(Answer(std::string(40, 'N')));
    DiscoveryDatagram answer{};
    ASSERT_EQ(ReceiveDiscoveryAnswer(cell_, 0, 5000, &answer), 0);
    std::uint16_t flags = 0;
    std::uint32_t address = 0;
    std::uint32_t uptime = 0;
    std::memcpy(&flags, answer.data() + kFlags, 2);
    std::memcpy(&address, answer.data() + kAddress, 4);
    std::memcpy(&uptime, answer.data() + kUptime, 4);
    EXPECT_EQ(flags, 0x4012);
    EXPECT_EQ(address, 0x7F000001u);
    EXPECT_EQ(uptime, 123456u);
    EXPECT_EQ(answer[79], 0);
    EXPECT_EQ(answer[115], 0);

    const std::unique_ptr<ConfigRecord> record = RecordFromAnswer(answer);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->stationFlags, 0x4012);
    EXPECT_EQ(record->stationAddress, 0x7F000001u);
    EXPECT_EQ(record->wirelessMac, (MacAddress{0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5}));
    EXPECT_EQ(record->lanMac, (MacAddress{0xB0, 0xB1, 0xB2, 0xB3, 0xB4, 0xB5}));
    EXPECT_EQ(record->wanMac, (MacAddress{0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5}));
    EXPECT_EQ(record->syNm, std::string(31, 'N'));
    EXPECT_EQ(record->syDs, std::string(31, 'd'));
    EXPECT_EQ(record->uptimeTicks, 123456u);
}

TEST_F(DiscoveryCellTest, ShortAnswersReadAsZerosAndRequestsAreNoAnswers) {
    ASSERT_EQ(SendDiscoveryRequest(cell_, 0, station_.Host().c_str()), 0);
    station_.Receive();
    station_.Reply(Answer("Short", kDescription));
    station_.Reply(Answer("Request", kDiscoveryDatagramSize, kDiscoveryRequestKind));
    DiscoveryDatagram answer{};
    ASSERT_EQ(ReceiveDiscoveryAnswer(cell_, 0, 5000, &answer), 0);
    const auto record = RecordFromAnswer(answer);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->syNm, "Short");
    EXPECT_EQ(record->syDs, "");
    ASSERT_EQ(ReceiveDiscoveryAnswer(cell_, 0, 5000, &answer), 0);
    EXPECT_FALSE(RecordFromAnswer(answer));
    answer[kKind] = kDiscoveryAnswerKind;
    answer[kMarker] = 2;
    EXPECT_FALSE(RecordFromAnswer(answer));
}

// A datagram longer than 116 bytes is no answer, however it begins; one of exactly 116 bytes is.
TEST_F(DiscoveryCellTest, LongerDatagramsAreNoAnswers) {
    ASSERT_EQ(SendDiscoveryRequest(cell_, 0, station_.Host().c_str()), 0);
    station_.Receive();
    for (const std::size_t size : {kDiscoveryDatagramSize + 1, std::size_t(200), std::size_t(1400)}) {
        station_.Reply(Answer("Long", size));
        DiscoveryDatagram answer{};
        ASSERT_EQ(ReceiveDiscoveryAnswer(cell_, 0, 5000, &answer), 0) << size;
        EXPECT_FALSE(RecordFromAnswer(answer)) << size;
    }
    station_.Reply(Answer("Exact"));
    DiscoveryDatagram answer{};
    ASSERT_EQ(ReceiveDiscoveryAnswer(cell_, 0, 5000, &answer), 0);
    const auto record = RecordFromAnswer(answer);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->syNm, "Exact");
}

// Collects what the discovery thread hands over.
class RecordingSink {
public:
    explicit RecordingSink(bool accept = true) : accept_(accept) {}

    StationSink AsSink() {
        return [this](std::unique_ptr<ConfigRecord>& record) {
            std::lock_guard lock(mutex_);
            names_.push_back(record->syNm);
            if (accept_) {
                records_.push_back(std::move(record));
            }
            arrived_.Set();
            return accept_;
        };
    }

    std::vector<std::string> Names() {
        std::lock_guard lock(mutex_);
        return names_;
    }
    std::size_t Kept() {
        std::lock_guard lock(mutex_);
        return records_.size();
    }
    void WaitForOne() { arrived_.Wait(); }

private:
    const bool accept_;
    std::mutex mutex_;
    std::vector<std::string> names_;
    std::vector<std::unique_ptr<ConfigRecord>> records_;
    Event arrived_{Event::ResetMode::Automatic};
};

// A discovery thread scanning one scripted station on loopback; the sink outlives the thread.
class DiscoveryThreadTest : public ::testing::Test {
protected:
    // Starts the thread, handing what it finds to `sink`.
    int Start(RecordingSink& sink) {
        return StartDiscovery(discovery_, sink.AsSink(), "127.0.0.1", station_.Port());
    }

    DatagramPeer station_;
    RecordingSink sink_;
    Discovery discovery_;
};

TEST_F(DiscoveryThreadTest, ScanSendsTwiceAndHandsOverEveryAnswer) {
    ASSERT_EQ(Start(sink_), 0);
    ASSERT_EQ(station_.Receive().size(), kDiscoveryDatagramSize);
    station_.Reply(Answer("Twice"));
    station_.Reply(Answer("Request", kDiscoveryDatagramSize, kDiscoveryRequestKind));
    station_.Reply(Answer("Twice"));
    ASSERT_EQ(station_.Receive().size(), kDiscoveryDatagramSize) << "second pass";
    StopDiscovery(discovery_);
    // The same station twice: both handed over, the chooser drops the copy.
    EXPECT_EQ(sink_.Names(), (std::vector<std::string>{"Twice", "Twice"}));
    EXPECT_EQ(sink_.Kept(), 2u);
    EXPECT_EQ(RequestScan(discovery_), kDiscoveryUnavailable);
}

// Requests arrive about 2 s apart while scans run (one receive time-out per pass): 6 s of silence means none
// follow, also on a machine busy enough to wake the thread seconds late.
int CountFurtherRequests(DatagramPeer& station) {
    int requests = 0;
    while (!station.Receive(6000).empty()) {
        ++requests;
    }
    return requests;
}

TEST_F(DiscoveryThreadTest, RefusedRecordEndsTheScanAndTheNextScanRunsAgain) {
    RecordingSink refusing(false);
    ASSERT_EQ(Start(refusing), 0);
    ASSERT_FALSE(station_.Receive().empty());
    station_.Reply(Answer("First"));
    refusing.WaitForOne();
    ASSERT_EQ(RequestScan(discovery_), 0);
    ASSERT_FALSE(station_.Receive().empty());
    station_.Reply(Answer("Third"));
    refusing.WaitForOne();
    // Each refusal ended its scan at once: no second pass ever asked again.
    EXPECT_EQ(CountFurtherRequests(station_), 0);
    StopDiscovery(discovery_);
    EXPECT_EQ(refusing.Names(), (std::vector<std::string>{"First", "Third"}));
    EXPECT_EQ(refusing.Kept(), 0u);
}

TEST_F(DiscoveryThreadTest, RescansRequestedDuringAScanYieldExactlyOneMore) {
    ASSERT_EQ(Start(sink_), 0);
    ASSERT_FALSE(station_.Receive().empty());
    ASSERT_EQ(RequestScan(discovery_), 0);
    ASSERT_EQ(RequestScan(discovery_), 0);
    EXPECT_EQ(1 + CountFurtherRequests(station_), 4); // two passes of the running scan, two of one more
    StopDiscovery(discovery_);
    EXPECT_TRUE(sink_.Names().empty());
}

TEST_F(DiscoveryThreadTest, StopThatOutwaitsTheScanLeavesTheThreadNoSinkToCall) {
    auto sink = std::make_unique<RecordingSink>();
    ASSERT_EQ(Start(*sink), 0);
    ASSERT_FALSE(station_.Receive().empty()); // a scan is running and will for 2 s more
    StopDiscovery(discovery_, std::chrono::milliseconds(20));
    sink.reset();
    // The scan still running receives this; with the sink gone it must drop the record, not call a dead sink.
    station_.Reply(Answer("Late"));
    EXPECT_EQ(RequestScan(discovery_), kDiscoveryUnavailable);
}

TEST_F(DiscoveryThreadTest, StopCutsARunningScanShort) {
    ASSERT_EQ(Start(sink_), 0);
    ASSERT_FALSE(station_.Receive().empty()); // the first pass waits for answers now
    StopDiscovery(discovery_);
    // Waiting for the scan's end would have let its second pass ask again; the thread has ended without.
    EXPECT_TRUE(station_.Receive(0).empty());
}

TEST_F(DiscoveryThreadTest, ScanEndIsSignalledOnceBothPassesAreOver) {
    ASSERT_EQ(Start(sink_), 0);
    ASSERT_FALSE(station_.Receive().empty());
    station_.Reply(Answer("First pass"));
    ASSERT_FALSE(station_.Receive().empty());
    station_.Reply(Answer("Second pass"));
    WaitForScanEnd(discovery_);
    EXPECT_EQ(sink_.Names(), (std::vector<std::string>{"First pass", "Second pass"}));
    StopDiscovery(discovery_);
    WaitForScanEnd(discovery_); // stopped: returns at once
}

TEST_F(DiscoveryThreadTest, StartAndStopAreSafeInAnyOrder) {
    Discovery never;
    StopDiscovery(never);
    StopDiscovery(never);
    EXPECT_EQ(RequestScan(never), kDiscoveryUnavailable);

    ASSERT_EQ(Start(sink_), 0);
    EXPECT_EQ(Start(sink_), kDiscoveryUnavailable);
    // Destroying a running discovery stops it.
}

} // namespace
} // namespace corvane

namespace corvane {
namespace {

// Asking one station: its answer ends the asking, unless it must show a restart it does not show; without an
// answer that counts, the deadline ends it.
TEST_F(DiscoveryCellTest, AskingOneStationEndsAtAnAnswerThatCountsOrAtTheDeadline) {
    using Clock = std::chrono::steady_clock;
    struct Case {
        const char* name;
        bool answers;
        bool mustHaveRestarted; // the answer's up-time of 1234 s began before the asking
        int deadlineMs;         // long where the answer ends the asking: a busy machine may be slow
        int status;
    };
    const Case cases[] = {
        {"silent", false, false, 300, socket_status::kTimedOut},
        {"answers", true, false, 30000, 0},
        {"answers without a restart", true, true, 300, socket_status::kTimedOut},
    };
    for (const Case& c : cases) {
        DatagramPeer station;
        std::atomic<bool> stop{false};
        std::thread answering([&] {
            while (!stop) {
                if (!station.Receive(100).empty() && c.answers) {
                    station.Reply(Answer("Asked"));
                }
            }
        });
        const Clock::time_point began = Clock::now();
        ConfigRecord answer;
        const int status = AskStation(cell_, 0x7F000001, station.Port(),
                                      c.mustHaveRestarted ? std::optional(began) : std::nullopt, answer,
                                      began + std::chrono::milliseconds(c.deadlineMs));
        stop = true;
        answering.join();
        EXPECT_EQ(status, c.status) << c.name;
        if (status == 0) {
            EXPECT_EQ(answer.syNm, "Asked") << c.name;
            EXPECT_EQ(answer.stationAddress, 0x7F000001u) << c.name;
        }
    }
}

} // namespace
} // namespace corvane
