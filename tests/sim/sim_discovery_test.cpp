// SPDX-License-Identifier: Apache-2.0
#include "config/byte_order.h"
#include "sim/discovery_answer.h"
#include "sim_fixture.h"

#include <map>
#include <set>

namespace corvane::sim::test {
namespace {

// How long a probe waits for an answer it expects: what a loaded machine may need, never a goal.
constexpr std::int32_t kExpectedAnswerWaitMs = 10000;
// How long it listens for answers beyond those: none should come, and a late one would only pass unseen.
constexpr std::int32_t kExtraAnswerWaitMs = 300;

// A UDP socket of the client's side that sends discovery requests and collects answers.
class DiscoveryProbe {
public:
    DiscoveryProbe() { EXPECT_EQ(NetSocketCreate(kFamilyInternet, kSocketDatagram, 0, &socket_), 0); }
    ~DiscoveryProbe() { NetSocketClose(socket_, 0); }

    void Send(const std::string& host, std::vector<std::uint8_t> request = {1, 0}) {
        request.resize(kDiscoveryDatagramSize, 0);
        std::uint32_t sent = 0;
        ASSERT_EQ(NetSocketSendTo(socket_, 0, 0, host.c_str(), 192, std::uint32_t(request.size()),
                                  request.data(), &sent),
                  0);
    }

    // Answers by sender address: waits for the `expected` ones as long as a loaded machine needs, then
    // listens briefly for any beyond them.
    std::map<std::uint32_t, DiscoveryDatagram> Collect(std::size_t expected) {
        std::map<std::uint32_t, DiscoveryDatagram> answers;
        for (;;) {
            DiscoveryDatagram datagram{};
            std::uint32_t from = 0;
            if (!Receive(answers.size() < expected ? kExpectedAnswerWaitMs : kExtraAnswerWaitMs, datagram,
                         from)) {
                return answers;
            }
            EXPECT_TRUE(answers.emplace(from, datagram).second) << "one answer per station";
        }
    }

    // Whether an answer arrives within `waitMs`.
    bool Answered(std::int32_t waitMs) {
        DiscoveryDatagram datagram{};
        std::uint32_t from = 0;
        return Receive(waitMs, datagram, from);
    }

private:
    bool Receive(std::int32_t waitMs, DiscoveryDatagram& datagram, std::uint32_t& from) {
        std::uint32_t received = 0;
        AddressRecord sender;
        if (NetSocketReceiveFrom(socket_, 0, waitMs, std::uint32_t(datagram.size()), datagram.data(),
                                 &received, &sender, nullptr) != 0) {
            return false;
        }
        EXPECT_EQ(received, kDiscoveryDatagramSize);
        from = sender.address;
        return true;
    }

    NetSocket* socket_ = nullptr;
};

// The answers to one request sent to `host`, a scan of the loopback fleet where `expected` stations answer.
std::map<std::uint32_t, DiscoveryDatagram> ScanOnce(const std::string& host, std::size_t expected) {
    DiscoveryProbe probe;
    probe.Send(host);
    return probe.Collect(expected);
}

using SimDiscoveryTest = SimTest;

TEST_F(SimDiscoveryTest, AnswerCarriesTheStationsIdentityFromItsOwnAddress) {
    SimOptions options = Options(3);
    options.resetStations = {3};
    RunningFleet running(options, stateDir_);
    const auto answers = ScanOnce(running.DiscoveryHost(2), 1);
    ASSERT_EQ(answers.size(), 1u);
    const auto& [address, answer] = *answers.begin();
    EXPECT_EQ(address, 0x7F000002u);
    EXPECT_EQ(answer[0], 1);
    EXPECT_EQ(answer[1], 0x81);
    EXPECT_EQ(LoadBigEndian16(answer.data() + 2), 0u);
    const std::uint8_t wireless[6] = {0x02, 0xCB, 0, 0, 0, 2}, lan[6] = {0x02, 0xCB, 1, 0, 0, 2},
                       wan[6] = {0x02, 0xCB, 2, 0, 0, 2};
    EXPECT_TRUE(std::equal(wireless, wireless + 6, answer.begin() + 24));
    EXPECT_TRUE(std::equal(lan, lan + 6, answer.begin() + 30));
    EXPECT_TRUE(std::equal(wan, wan + 6, answer.begin() + 36));
    EXPECT_STREQ(reinterpret_cast<const char*>(answer.data() + 48), "Base Station 2");
    EXPECT_STREQ(reinterpret_cast<const char*>(answer.data() + 84), "Corvane simulated base station");
    EXPECT_EQ(answer[79], 0);
    EXPECT_EQ(answer[115], 0);
}

TEST_F(SimDiscoveryTest, EveryStationAnswersARequestToAll) {
    SimOptions options = Options(40);
    options.resetStations = {3};
    options.faults.push_back({7, Fault::DropDiscovery});
    RunningFleet running(options, stateDir_);
    const auto answers = ScanOnce(running.EveryStationHost(), 39);
    EXPECT_EQ(answers.size(), 39u);
    EXPECT_FALSE(answers.contains(0x7F000007)) << "station 7 drops discovery answers";
    ASSERT_TRUE(answers.contains(0x7F000003));
    EXPECT_EQ(LoadBigEndian16(answers.at(0x7F000003).data() + 2), kStationFlagReset);
}

TEST_F(SimDiscoveryTest, OtherDatagramsAreIgnored) {
    RunningFleet running(Options(), stateDir_);
    DiscoveryProbe probe;
    probe.Send(running.DiscoveryHost(1), {1, 0x81}); // an answer, not a request
    probe.Send(running.DiscoveryHost(1), {2, 0});    // another marker
    probe.Send(running.DiscoveryHost(1));            // the one request
    EXPECT_EQ(probe.Collect(1).size(), 1u);
}

// A flood of requests delays other askers' answers only a little: one answer waits per station and asker.
TEST_F(SimDiscoveryTest, AFloodOfRequestsDoesNotSilenceDiscovery) {
    RunningFleet running(Options(), stateDir_);
    DiscoveryProbe flood;
    for (int i = 0; i < 3000; ++i) {
        flood.Send(running.DiscoveryHost(1));
    }
    // A datagram may be lost while the flood fills the receive buffer, so the asker asks again, as clients
    // do. An answer to any of its requests will do: one that comes after the asker gave up on its request
    // still counts, however slow the machine.
    DiscoveryProbe asker;
    bool answered = false;
    for (int attempt = 0; attempt < 5 && !answered; ++attempt) {
        asker.Send(running.DiscoveryHost(1));
        answered = asker.Answered(kExpectedAnswerWaitMs / 5);
    }
    EXPECT_TRUE(answered || asker.Answered(kExpectedAnswerWaitMs));
}

TEST_F(SimDiscoveryTest, LongNameIsCutTo31Characters) {
    RunningFleet running(Options(), stateDir_);
    ConfigRecord named = running.fleet().StationAt(0).Configuration();
    named.syNm = std::string(40, 'n');
    std::string error;
    ASSERT_TRUE(running.fleet().StationAt(0).Commit(named, error)) << error;
    const auto answers = ScanOnce(running.DiscoveryHost(1), 1);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(answers.begin()->second.data() + 48)),
              std::string(31, 'n'));
}

} // namespace
} // namespace corvane::sim::test
