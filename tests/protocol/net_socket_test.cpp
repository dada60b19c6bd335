// SPDX-License-Identifier: Apache-2.0
#include "config/status_codes.h"
#include "mock_peer.h"
#include "protocol/event.h"
#include "protocol/net_socket.h"

#include <arpa/inet.h>
#include <array>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace corvane {
namespace {

using testing::BindLoopback;
using testing::DatagramPeer;
using testing::MockPeer;

std::vector<std::uint8_t> TextBytes(const std::string& text) {
    return {text.begin(), text.end()};
}
using namespace std::chrono_literals;

struct SocketCloser {
    void operator()(NetSocket* socket) const { NetSocketClose(socket, 0); }
};
using SocketPtr = std::unique_ptr<NetSocket, SocketCloser>;

SocketPtr MakeSocket(std::uint32_t type = kSocketStream, std::uint32_t options = 0) {
    NetSocket* socket = nullptr;
    EXPECT_EQ(NetSocketCreate(kFamilyInternet, type, options, &socket), 0);
    return SocketPtr(socket);
}

// A loopback port with nothing listening on it (bound once, then released).
std::uint16_t ClosedPort(int type) {
    std::uint16_t port = 0;
    close(BindLoopback(type, port));
    return port;
}

TEST(NetSocketCreateTest, RefusesArgumentsOutsideTheListedOnes) {
    struct Case {
        std::uint32_t family, type, options;
        bool withOut;
    };
    const Case cases[] = {
        {2, kSocketStream, 0, true},
        {kFamilyInternet, 0, 0, true},
        {kFamilyInternet, 3, 0, true},
        {kFamilyInternet, kSocketStream, 2, true},
        {kFamilyInternet, kSocketDatagram, 8, true},
        {kFamilyInternet, kSocketStream, 0, false},
    };
    for (const Case& c : cases) {
        NetSocket* socket = nullptr;
        EXPECT_EQ(NetSocketCreate(c.family, c.type, c.options, c.withOut ? &socket : nullptr),
                  socket_status::kBadArgument)
            << c.family << " " << c.type << " " << c.options;
        EXPECT_EQ(socket, nullptr);
    }
    NetSocket* socket = nullptr;
    ASSERT_EQ(NetSocketCreate(kFamilyInternet, kSocketDatagram, 1 | 4 | 16, &socket), 0);
    EXPECT_EQ(NetSocketClose(socket, 0), 0);
}

TEST(NetSocketCreateTest, CloseAndAbortCheckTheirArguments) {
    SocketPtr socket = MakeSocket();
    EXPECT_EQ(NetSocketClose(nullptr, 0), socket_status::kBadArgument);
    EXPECT_EQ(NetSocketClose(socket.get(), 1), socket_status::kBadArgument);
    EXPECT_EQ(NetSocketAbort(nullptr, 0), socket_status::kBadArgument);
    EXPECT_EQ(NetSocketAbort(socket.get(), 1), socket_status::kBadArgument);
    std::uint8_t byte = 0;
    EXPECT_EQ(NetSocketSend(socket.get(), 1, &byte, nullptr, 1, 0), socket_status::kBadArgument);
    EXPECT_EQ(NetSocketSend(socket.get(), 1, nullptr, nullptr, 0, 0), socket_status::kBadArgument);
    EXPECT_EQ(NetSocketReceive(socket.get(), 1, &byte, nullptr, 1, 0), socket_status::kBadArgument);
    EXPECT_EQ(NetSocketReceive(socket.get(), 1, &byte, nullptr, 2, 0), socket_status::kBadArgument);
    EXPECT_EQ(NetSocketReceive(socket.get(), 1, nullptr, nullptr, 0, 0), socket_status::kBadArgument);
    EXPECT_EQ(NetSocketConnect(socket.get(), "127.0.0.1", 1, 1, 0), socket_status::kBadArgument);
}

// A client socket connected to a peer that runs one script.
class ConnectedSocketTest : public ::testing::Test {
protected:
    void Connect(MockPeer::Script script) {
        peer_ = std::make_unique<MockPeer>(std::vector<MockPeer::Script>{std::move(script)});
        socket_ = MakeSocket();
        ASSERT_EQ(NetSocketConnect(socket_.get(), peer_->Host().c_str(), 1, 0, 5000), 0);
    }

    // Signals between the test and its peer's script; they outlive the peer.
    Event peerGo_{Event::ResetMode::Manual};
    Event peerReady_{Event::ResetMode::Manual};
    std::unique_ptr<MockPeer> peer_;
    SocketPtr socket_;
};

TEST_F(ConnectedSocketTest, SendsAndReceivesWholeBuffersOnTheDefaultOrGivenPort) {
    Connect([](int connection) {
        const auto request = testing::ReadBytes(connection, 5);
        testing::WriteAll(connection, request.data(), request.size());
    });
    const std::array<std::uint8_t, 5> out{1, 2, 3, 4, 5};
    std::uint32_t sent = 0;
    ASSERT_EQ(NetSocketSend(socket_.get(), 5, out.data(), &sent, 0, 0), 0);
    EXPECT_EQ(sent, 5u);
    std::array<std::uint8_t, 5> in{};
    std::uint32_t received = 0;
    ASSERT_EQ(NetSocketReceive(socket_.get(), 5, in.data(), &received, 0, 5000), 0);
    EXPECT_EQ(received, 5u);
    EXPECT_EQ(in, out);

    // The host's own port wins over the default; without one the default is used.
    MockPeer second({[](int) {}});
    SocketPtr viaDefault = MakeSocket();
    EXPECT_EQ(NetSocketConnect(viaDefault.get(), "127.0.0.1", second.Port(), 0, 5000), 0);
}

TEST_F(ConnectedSocketTest, PeerClosingMidwayGivesConnectionLostAndTheCountSoFar) {
    Connect([](int connection) { testing::WriteAll(connection, "abc", 3); });
    std::array<std::uint8_t, 8> in{};
    std::uint32_t received = 99;
    EXPECT_EQ(NetSocketReceive(socket_.get(), 8, in.data(), &received, 0, 5000),
              socket_status::kConnectionLost);
    EXPECT_EQ(received, 3u);
}

TEST_F(ConnectedSocketTest, TimeOutEndsAWaitNoEarlierThanItsDeadline) {
    Connect([this](int) { peerGo_.Wait(); });
    std::uint8_t byte = 0;
    std::uint32_t received = 99;
    // A negative time-out means 1 ms.
    EXPECT_EQ(NetSocketReceive(socket_.get(), 1, &byte, &received, 0, -5), socket_status::kTimedOut);
    EXPECT_EQ(received, 0u);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(NetSocketReceive(socket_.get(), 1, &byte, nullptr, 0, 60), socket_status::kTimedOut);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 60ms);
    peerGo_.Set();
}

TEST_F(ConnectedSocketTest, AbortBeforeAnOperationEndsExactlyThatOneWithoutTouchingData) {
    Connect([this](int connection) {
        testing::WriteAll(connection, "xy", 2);
        peerReady_.Set();
        const auto got = testing::ReadBytes(connection, 1);
        testing::WriteAll(connection, got.data(), got.size());
    });
    peerReady_.Wait();
    std::array<char, 2> in{};
    ASSERT_EQ(NetSocketAbort(socket_.get(), 0), 0);
    EXPECT_EQ(NetSocketReceive(socket_.get(), 2, in.data(), nullptr, 0, 5000), socket_status::kAborted);
    // The flag was taken: the data is still there for the next receive.
    ASSERT_EQ(NetSocketReceive(socket_.get(), 2, in.data(), nullptr, 0, 5000), 0);
    EXPECT_EQ(in[0], 'x');

    ASSERT_EQ(NetSocketAbort(socket_.get(), 0), 0);
    EXPECT_EQ(NetSocketSend(socket_.get(), 1, "z", nullptr, 0, 0), socket_status::kAborted);
    ASSERT_EQ(NetSocketSend(socket_.get(), 1, "q", nullptr, 0, 0), 0);
    char echoed = 0;
    ASSERT_EQ(NetSocketReceive(socket_.get(), 1, &echoed, nullptr, 0, 5000), 0);
    EXPECT_EQ(echoed, 'q'); // "z" never left

    // An empty receive succeeds at once, unless aborted.
    EXPECT_EQ(NetSocketReceive(socket_.get(), 0, nullptr, nullptr, 0, 0), 0);
    ASSERT_EQ(NetSocketAbort(socket_.get(), 0), 0);
    EXPECT_EQ(NetSocketReceive(socket_.get(), 0, nullptr, nullptr, 0, 0), socket_status::kAborted);
    EXPECT_EQ(NetSocketReceive(socket_.get(), 0, nullptr, nullptr, 0, 0), 0);
}

TEST_F(ConnectedSocketTest, AbortFromAnotherThreadEndsAWaitWithoutTimeOut) {
    Connect([this](int connection) {
        peerGo_.Wait();
        testing::WriteAll(connection, "k", 1);
    });
    std::thread aborter([this] { NetSocketAbort(socket_.get(), 0); });
    char byte = 0;
    EXPECT_EQ(NetSocketReceive(socket_.get(), 1, &byte, nullptr, 0, 0), socket_status::kAborted);
    aborter.join();
    peerGo_.Set();
    // The abort is used up: the next receive waits for its data as usual.
    EXPECT_EQ(NetSocketReceive(socket_.get(), 1, &byte, nullptr, 0, 5000), 0);
    EXPECT_EQ(byte, 'k');
}

TEST_F(ConnectedSocketTest, SendOnAResetConnectionFailsAtOnce) {
    Connect([this](int connection) {
        peerGo_.Wait(); // not before the connect has been seen through
        testing::ResetConnection(connection);
    });
    peerGo_.Set();
    char byte = 0;
    EXPECT_EQ(NetSocketReceive(socket_.get(), 1, &byte, nullptr, 0, 5000), socket_status::kConnectionLost);
    // Without a time-out this would retry until aborted if failures were retried.
    std::vector<std::uint8_t> block(1 << 20);
    EXPECT_EQ(NetSocketSend(socket_.get(), std::uint32_t(block.size()), block.data(), nullptr, 0, 0),
              socket_status::kConnectionLost);
}

TEST(NetSocketConnectTest, RefusedConnectPassesTheSystemErrorAndAbortPreventsConnecting) {
    SocketPtr socket = MakeSocket();
    const std::string closed = "127.0.0.1:" + std::to_string(ClosedPort(SOCK_STREAM));
    EXPECT_EQ(NetSocketConnect(socket.get(), closed.c_str(), 1, 0, 5000), ECONNREFUSED);

    MockPeer peer({[](int) {}});
    SocketPtr aborted = MakeSocket();
    ASSERT_EQ(NetSocketAbort(aborted.get(), 0), 0);
    EXPECT_EQ(NetSocketConnect(aborted.get(), peer.Host().c_str(), 1, 0, 5000), socket_status::kAborted);
    SocketPtr datagram = MakeSocket(kSocketDatagram);
    EXPECT_EQ(NetSocketConnect(datagram.get(), peer.Host().c_str(), 1, 0, 5000), socket_status::kBadArgument);
    SocketPtr connected = MakeSocket();
    EXPECT_EQ(NetSocketConnect(connected.get(), peer.Host().c_str(), 1, 0, 5000), 0);
}

TEST(NetSocketConnectTest, PendingConnectEndsByItsDeadlineOrByAbort) {
    std::uint16_t port = 0;
    const int listener = BindLoopback(SOCK_STREAM, port);
    ASSERT_EQ(listen(listener, 0), 0);
    const std::string host = "127.0.0.1:" + std::to_string(port);
    // Nobody accepts: once the listener's queue is full, a connect can only wait.
    std::vector<SocketPtr> queued;
    int status = 0;
    for (int i = 0; i < 8 && status != socket_status::kTimedOut; ++i) {
        queued.push_back(MakeSocket());
        const auto start = std::chrono::steady_clock::now();
        status = NetSocketConnect(queued.back().get(), host.c_str(), 1, 0, 100);
        if (status == socket_status::kTimedOut) {
            EXPECT_GE(std::chrono::steady_clock::now() - start, 100ms);
        }
    }
    ASSERT_EQ(status, socket_status::kTimedOut);

    SocketPtr pending = MakeSocket();
    std::thread aborter([&pending] { NetSocketAbort(pending.get(), 0); });
    EXPECT_EQ(NetSocketConnect(pending.get(), host.c_str(), 1, 0, 0), socket_status::kAborted);
    aborter.join();
    close(listener);
}

TEST(NetSocketDatagramTest, SendBindsOnceAndReceiveReportsTheSender) {
    DatagramPeer peer;
    SocketPtr socket = MakeSocket(kSocketDatagram, kOptionBroadcast | kOptionJoinAllHosts);
    std::uint32_t sent = 0;
    ASSERT_EQ(NetSocketSendTo(socket.get(), 0, 0, peer.Host().c_str(), 1, 4, "ping", &sent), 0);
    EXPECT_EQ(sent, 4u);
    EXPECT_EQ(peer.Receive(), TextBytes("ping"));
    peer.Reply(TextBytes("pong!"));

    std::array<char, 4> buffer{};
    std::uint32_t received = 0;
    AddressRecord from;
    std::string fromText;
    // A longer datagram is cut to the buffer.
    ASSERT_EQ(NetSocketReceiveFrom(socket.get(), 0, 5000, 4, buffer.data(), &received, &from, &fromText), 0);
    EXPECT_EQ(received, 4u);
    EXPECT_EQ(std::string(buffer.data(), 4), "pong");
    EXPECT_EQ(from.kind, kAddressKindIPv4);
    EXPECT_EQ(from.address, 0x7F000001u);
    EXPECT_EQ(fromText, "127.0.0.1");

    // Later sends come from the same port, so answers keep arriving.
    ASSERT_EQ(NetSocketSendTo(socket.get(), 0, 0, peer.Host().c_str(), 1, 1, "2", &sent), 0);
    EXPECT_EQ(peer.Receive(), TextBytes("2"));
    peer.Reply(TextBytes("ok"));
    ASSERT_EQ(NetSocketReceiveFrom(socket.get(), 0, 5000, 4, buffer.data(), &received, nullptr, nullptr), 0);
    EXPECT_EQ(received, 2u);
}

TEST(NetSocketDatagramTest, ReceiveEndsByTimeOutOrAbort) {
    SocketPtr socket = MakeSocket(kSocketDatagram);
    std::array<char, 8> buffer{};
    EXPECT_EQ(NetSocketReceiveFrom(socket.get(), 0, -1, 8, buffer.data(), nullptr, nullptr, nullptr),
              socket_status::kTimedOut);
    ASSERT_EQ(NetSocketAbort(socket.get(), 0), 0);
    EXPECT_EQ(NetSocketReceiveFrom(socket.get(), 0, 0, 8, buffer.data(), nullptr, nullptr, nullptr),
              socket_status::kAborted);
    std::thread aborter([&socket] { NetSocketAbort(socket.get(), 0); });
    EXPECT_EQ(NetSocketReceiveFrom(socket.get(), 0, 0, 8, buffer.data(), nullptr, nullptr, nullptr),
              socket_status::kAborted);
    aborter.join();
    EXPECT_EQ(NetSocketReceiveFrom(socket.get(), 1, 0, 8, buffer.data(), nullptr, nullptr, nullptr),
              socket_status::kBadArgument);
    EXPECT_EQ(NetSocketSendTo(socket.get(), 1, 0, "127.0.0.1", 1, 1, "x", nullptr),
              socket_status::kBadArgument);
}

TEST(NetSocketDatagramTest, ReceiveBufferGrowsAsFarAsTheSystemAllows) {
    SocketPtr socket = MakeSocket(kSocketDatagram);
    std::uint32_t before = 0;
    ASSERT_EQ(NetSocketSetReceiveBuffer(socket.get(), 4096, &before), 0);
    std::uint32_t granted = 0;
    // More than any system's limit: granted up to that limit, without an error.
    ASSERT_EQ(NetSocketSetReceiveBuffer(socket.get(), 1u << 30, &granted), 0);
    EXPECT_GT(granted, before);
    EXPECT_EQ(NetSocketSetReceiveBuffer(socket.get(), 1u << 31, nullptr), socket_status::kBadArgument);
    EXPECT_EQ(NetSocketSetReceiveBuffer(nullptr, 4096, nullptr), socket_status::kBadArgument);
}

} // namespace
} // namespace corvane
