// SPDX-License-Identifier: Apache-2.0
#include "sim_fixture.h"

#include "config/byte_order.h"
#include "config/element_stream.h"
#include "protocol/dotted_quad.h"
#include "protocol/station_exchanges.h"

#include <unistd.h>

namespace corvane::sim::test {

namespace {
constexpr std::uint32_t kLoopbackFirst = 0x7F000001;
} // namespace

RunningFleet::RunningFleet(SimOptions options, const std::filesystem::path& stateDir) {
    options.stateDir = stateDir.string();
    fleet_ = std::make_unique<Fleet>(std::move(options), nullptr);
    std::string error;
    if (!fleet_->Start(error)) {
        throw std::runtime_error(error);
    }
    loop_ = std::thread([this] { fleet_->Run(); });
}

RunningFleet::~RunningFleet() {
    fleet_->Stop();
    loop_.join();
}

std::string RunningFleet::SessionHost(std::uint32_t station) const {
    return FormatDottedQuad(kLoopbackFirst + station - 1) + ":" + std::to_string(fleet_->SessionPort());
}

std::string RunningFleet::DiscoveryHost(std::uint32_t station) const {
    return FormatDottedQuad(kLoopbackFirst + station - 1) + ":" + std::to_string(fleet_->DiscoveryPort());
}

std::string RunningFleet::EveryStationHost() const {
    return "127.0.0.250:" + std::to_string(fleet_->DiscoveryPort());
}

void SimTest::SetUp() {
    stateDir_ = std::filesystem::temp_directory_path() /
                ("corvane-sim-test-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(stateDir_);
    std::filesystem::create_directories(stateDir_);
}

void SimTest::TearDown() {
    std::filesystem::remove_all(stateDir_);
}

SimOptions SimTest::Options(std::uint32_t stations) const {
    SimOptions options;
    options.stationCount = stations;
    options.firstAddress = kLoopbackFirst;
    options.discoveryPort = 0;
    options.sessionPort = 0;
    options.restartMs = 200;
    return options;
}

StationConnection::StationConnection(const std::string& host) {
    connectStatus_ = NetSocketCreate(kFamilyInternet, kSocketStream, 0, &socket_);
    if (connectStatus_ == 0) {
        connectStatus_ = NetSocketConnect(socket_, host.c_str(), 5009, 0, 5000);
    }
}

StationConnection::~StationConnection() {
    if (socket_) {
        NetSocketClose(socket_, 0);
    }
}

int StationConnection::Send(const std::vector<std::uint8_t>& bytes) {
    std::uint32_t sent = 0;
    return NetSocketSend(socket_, std::uint32_t(bytes.size()), bytes.data(), &sent, 0, 5000);
}

int StationConnection::SendRequest(std::uint32_t command, std::uint32_t bodyLength, const std::uint8_t* body,
                                   const char* password) {
    MessageHeader header{};
    BuildMessageHeader(0, 0, command, bodyLength, body, password, header);
    const bool hasBody = body && bodyLength != kNoBody;
    return SendHeaderAndBody(header, {body, hasBody ? bodyLength : 0});
}

int StationConnection::SendHeaderAndBody(const MessageHeader& header, std::span<const std::uint8_t> body) {
    std::uint32_t sent = 0;
    if (const int status =
            NetSocketSend(socket_, std::uint32_t(header.size()), header.data(), &sent, 0, 5000)) {
        return status;
    }
    return NetSocketSend(socket_, std::uint32_t(body.size()), body.data(), &sent, 0, 5000);
}

int StationConnection::ReceiveHeader(MessageHeader& header, std::int32_t timeoutMs) {
    std::uint32_t received = 0;
    return NetSocketReceive(socket_, std::uint32_t(header.size()), header.data(), &received, 0, timeoutMs);
}

int StationConnection::Receive(std::vector<std::uint8_t>& bytes, std::int32_t timeoutMs) {
    std::uint32_t received = 0;
    return NetSocketReceive(socket_, std::uint32_t(bytes.size()), bytes.data(), &received, 0, timeoutMs);
}

std::int32_t ReplyStatus(const MessageHeader& header) {
    return std::int32_t(LoadBigEndian32(header.data() + message_offset::kStatus));
}

std::vector<std::uint8_t> ReadRequestBody() {
    std::vector<std::uint8_t> body(TransferList.size() * kElementHeaderSize);
    for (std::size_t i = 0; i < TransferList.size(); ++i) {
        StoreElementHeader(body.data() + i * kElementHeaderSize, TransferList[i]);
    }
    return body;
}

std::vector<std::uint8_t> WriteStream(const ConfigRecord& record, bool finish, bool restart) {
    std::vector<std::uint8_t> stream;
    WriteElementSequence(record, OnPropertyFailure::Skip, [&](std::span<const std::uint8_t> element) {
        stream.insert(stream.end(), element.begin(), element.end());
        return 0;
    });
    if (finish) {
        AppendElement(stream, {MakeTag("acFN"), 0, 0}, {});
    }
    if (restart) {
        AppendElement(stream, {MakeTag("acRB"), 0, 0}, {});
    }
    const std::uint8_t code[4] = {};
    AppendElement(stream, {0, 0, 4}, code);
    return stream;
}

std::vector<std::uint8_t> SoftwareBlock(const std::vector<std::uint8_t>& image) {
    std::vector<std::uint8_t> block;
    BuildSoftwareBlock(image, block);
    return block;
}

} // namespace corvane::sim::test
