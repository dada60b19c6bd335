// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "protocol/message_header.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <thread>
#include <vector>

namespace corvane::testing {

// A scripted TCP peer on 127.0.0.1 with a port the system chose: it accepts one connection per script, in
// order, and runs each script on its own thread with a blocking descriptor that it closes afterwards.
class MockPeer {
public:
    using Script = std::function<void(int connection)>;

    explicit MockPeer(std::vector<Script> scripts);
    ~MockPeer();
    MockPeer(const MockPeer&) = delete;
    MockPeer& operator=(const MockPeer&) = delete;

    std::uint16_t Port() const { return port_; }
    // "127.0.0.1:<port>", as a host string for the socket layer.
    std::string Host() const;
    // Waits until every script has run: what they recorded may be read after this.
    void Finish();
    // Connections accepted so far.
    std::size_t Accepted() const { return accepted_.load(); }

private:
    void Serve(std::vector<Script> scripts);

    std::uint16_t port_ = 0; // before listener_, which fills it
    int listener_ = -1;
    int stop_ = -1;
    std::atomic<std::size_t> accepted_{0};
    std::thread thread_;
};

// A datagram socket on 127.0.0.1 with a port the system chose, playing a base station's discovery side.
class DatagramPeer {
public:
    DatagramPeer();
    ~DatagramPeer();
    DatagramPeer(const DatagramPeer&) = delete;
    DatagramPeer& operator=(const DatagramPeer&) = delete;

    std::uint16_t Port() const { return port_; }
    std::string Host() const;
    // Waits up to `timeoutMs` for one datagram and remembers its sender; empty when none came.
    std::vector<std::uint8_t> Receive(int timeoutMs = 10000);
    // Sends one datagram to the sender of the last datagram received.
    void Reply(std::span<const std::uint8_t> bytes);

private:
    std::uint16_t port_ = 0;
    int handle_ = -1;
    std::vector<std::uint8_t> lastSender_; // a sockaddr_in
};

// A socket of `type` bound to 127.0.0.1 on a port the system chose.
int BindLoopback(int type, std::uint16_t& port);

// Blocking helpers for scripts; false when the connection ended first.
bool ReadExactly(int connection, void* buffer, std::size_t length);
bool WriteAll(int connection, const void* buffer, std::size_t length);
std::vector<std::uint8_t> ReadBytes(int connection, std::size_t length);
// A base station's reply header with `status` and a checksum that holds.
MessageHeader StationReplyHeader(std::int32_t status);
// Ends the connection with a reset instead of an orderly close.
void ResetConnection(int connection);

} // namespace corvane::testing
