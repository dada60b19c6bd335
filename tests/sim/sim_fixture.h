// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"
#include "protocol/message_header.h"
#include "protocol/net_socket.h"
#include "sim/fleet.h"

#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <span>
#include <string>
#include <thread>
#include <vector>

namespace corvane::sim::test {

// A fleet on loopback addresses 127.0.0.1 and up, on ports the system picks, with its state in a fresh
// directory; its event loop runs on a thread of its own.
class RunningFleet {
public:
    explicit RunningFleet(SimOptions options, const std::filesystem::path& stateDir);
    ~RunningFleet();

    Fleet& fleet() { return *fleet_; }
    // "127.0.0.N:port" of station N (1-based).
    std::string SessionHost(std::uint32_t station) const;
    std::string DiscoveryHost(std::uint32_t station) const;
    // An address of the loopback network that no station uses: the broadcast receiver gets what is sent
    // there.
    std::string EveryStationHost() const;

private:
    std::unique_ptr<Fleet> fleet_;
    std::thread loop_;
};

// A fresh state directory per test, removed afterwards.
class SimTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    SimOptions Options(std::uint32_t stations = 1) const;

    std::filesystem::path stateDir_;
};

// One TCP connection to a station, speaking the protocol from the client's side with the core's functions.
class StationConnection {
public:
    explicit StationConnection(const std::string& host);
    ~StationConnection();

    int connectStatus() const { return connectStatus_; }
    int Send(const std::vector<std::uint8_t>& bytes);
    int SendRequest(std::uint32_t command, std::uint32_t bodyLength, const std::uint8_t* body,
                    const char* password);
    // A header as given (its checksums may disagree with the body), then the body.
    int SendHeaderAndBody(const MessageHeader& header, std::span<const std::uint8_t> body);
    // 0 and the header, or the receive's status.
    int ReceiveHeader(MessageHeader& header, std::int32_t timeoutMs = 5000);
    int Receive(std::vector<std::uint8_t>& bytes, std::int32_t timeoutMs = 5000);

private:
    NetSocket* socket_ = nullptr;
    int connectStatus_ = 0;
};

std::int32_t ReplyStatus(const MessageHeader& header);
// The 60 transfer-list entries as a read request body.
std::vector<std::uint8_t> ReadRequestBody();
// A whole configuration write: every property, then acFN and acRB (as asked) and the end element.
std::vector<std::uint8_t> WriteStream(const ConfigRecord& record, bool finish, bool restart);
// A software block for `image`, with its trailer checksum.
std::vector<std::uint8_t> SoftwareBlock(const std::vector<std::uint8_t>& image);

} // namespace corvane::sim::test
