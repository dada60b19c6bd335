// SPDX-License-Identifier: Apache-2.0
#include "mock_peer.h"

#include "config/byte_order.h"
#include "config/checksum.h"
#include "protocol/socket_address.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace corvane::testing {

MockPeer::MockPeer(std::vector<Script> scripts) : listener_(BindLoopback(SOCK_STREAM, port_)) {
    if (listen(listener_, 8) != 0) {
        throw std::runtime_error("mock peer cannot listen");
    }
    stop_ = eventfd(0, EFD_CLOEXEC);
    thread_ = std::thread(&MockPeer::Serve, this, std::move(scripts));
}

MockPeer::~MockPeer() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const auto written = write(stop_, &one, sizeof one);
    Finish();
    close(listener_);
    close(stop_);
}

void MockPeer::Finish() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

std::string MockPeer::Host() const {
    return "127.0.0.1:" + std::to_string(port_);
}

void MockPeer::Serve(std::vector<Script> scripts) {
    for (Script& script : scripts) {
        pollfd watched[2] = {{listener_, POLLIN, 0}, {stop_, POLLIN, 0}};
        if (poll(watched, 2, -1) <= 0 || watched[1].revents != 0) {
            return;
        }
        const int connection = accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection < 0) {
            return;
        }
        ++accepted_;
        // A script waiting for bytes that never come must not hang the test.
        const timeval limit{10, 0};
        setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        script(connection);
        close(connection);
    }
}

DatagramPeer::DatagramPeer() : handle_(BindLoopback(SOCK_DGRAM, port_)) {}

DatagramPeer::~DatagramPeer() {
    close(handle_);
}

std::string DatagramPeer::Host() const {
    return "127.0.0.1:" + std::to_string(port_);
}

std::vector<std::uint8_t> DatagramPeer::Receive(int timeoutMs) {
    pollfd watched{handle_, POLLIN, 0};
    if (poll(&watched, 1, timeoutMs) != 1) {
        return {};
    }
    std::vector<std::uint8_t> datagram(2048);
    sockaddr_in sender{};
    socklen_t size = sizeof sender;
    const ssize_t count =
        recvfrom(handle_, datagram.data(), datagram.size(), 0, reinterpret_cast<sockaddr*>(&sender), &size);
    datagram.resize(count > 0 ? std::size_t(count) : 0);
    const auto* raw = reinterpret_cast<const std::uint8_t*>(&sender);
    lastSender_.assign(raw, raw + sizeof sender);
    return datagram;
}

void DatagramPeer::Reply(std::span<const std::uint8_t> bytes) {
    sendto(handle_, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(lastSender_.data()),
           socklen_t(lastSender_.size()));
}

int BindLoopback(int type, std::uint16_t& port) {
    const int handle = socket(AF_INET, type | SOCK_CLOEXEC, 0);
    sockaddr_in address = InternetAddress(INADDR_LOOPBACK, 0);
    socklen_t size = sizeof address;
    if (handle < 0 || bind(handle, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
        getsockname(handle, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        throw std::runtime_error("cannot bind to loopback");
    }
    port = ntohs(address.sin_port);
    return handle;
}

bool ReadExactly(int connection, void* buffer, std::size_t length) {
    auto* bytes = static_cast<std::uint8_t*>(buffer);
    while (length > 0) {
        const ssize_t count = recv(connection, bytes, length, 0);
        if (count <= 0) {
            return false;
        }
        bytes += count;
        length -= std::size_t(count);
    }
    return true;
}

MessageHeader StationReplyHeader(std::int32_t status) {
    MessageHeader header;
    BuildMessageHeader(0, 0, 0, 0, nullptr, "", header);
    StoreBigEndian32(header.data() + message_offset::kStatus, std::uint32_t(status));
    StoreBigEndian32(header.data() + message_offset::kHeaderChecksum, 0);
    StoreBigEndian32(header.data() + message_offset::kHeaderChecksum,
                     ComputeChecksum(kChecksumStart, kChecksumBlock, header.data(), kMessageHeaderSize));
    return header;
}

bool WriteAll(int connection, const void* buffer, std::size_t length) {
    const auto* bytes = static_cast<const std::uint8_t*>(buffer);
    while (length > 0) {
        const ssize_t count = send(connection, bytes, length, MSG_NOSIGNAL);
        if (count <= 0) {
            return false;
        }
        bytes += count;
        length -= std::size_t(count);
    }
    return true;
}

std::vector<std::uint8_t> ReadBytes(int connection, std::size_t length) {
    std::vector<std::uint8_t> bytes(length);
    if (!ReadExactly(connection, bytes.data(), length)) {
        bytes.clear();
    }
    return bytes;
}

void ResetConnection(int connection) {
    const linger abortive{1, 0};
    setsockopt(connection, SOL_SOCKET, SO_LINGER, &abortive, sizeof abortive);
}

} // namespace corvane::testing
