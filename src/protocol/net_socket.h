// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "protocol/host_resolution.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace corvane {

// Arguments of NetSocketCreate.
constexpr std::uint32_t kFamilyInternet = 1;
constexpr std::uint32_t kSocketStream = 1;
constexpr std::uint32_t kSocketDatagram = 2;
constexpr std::uint32_t kOptionReuseAddress = 1;
constexpr std::uint32_t kOptionBroadcast = 4;
constexpr std::uint32_t kOptionJoinAllHosts =
    16; // join 224.0.0.1 when the first datagram send binds the socket

// One socket with its abort flag; every wait on it blocks in poll() and ends at once when it is aborted.
struct NetSocket;

// Time-outs are milliseconds: 0 means none, a negative value means 1 ms. Every function returns a status of
// status_codes.h. Operations on one socket run on one thread; only NetSocketAbort may come from another.

// Makes sure the system offers IPv4 sockets, once per process: 0, or kSocketsUnavailable.
int StartSockets();
// Opens a socket of `type` with `options` (bits 0, 2, 4) into *out.
int NetSocketCreate(std::uint32_t family, std::uint32_t type, std::uint32_t options, NetSocket** out);
// Closes the socket and frees the record.
int NetSocketClose(NetSocket* socket, std::uint32_t reserved);
// Owns a socket: closes it when the owner goes.
struct NetSocketCloser {
    void operator()(NetSocket* socket) const { NetSocketClose(socket, 0); }
};
using OwnedNetSocket = std::unique_ptr<NetSocket, NetSocketCloser>;
// Ends the running operation on `socket`, or the next one, with kAborted; safe from any thread.
int NetSocketAbort(NetSocket* socket, std::uint32_t reserved);
// Connects a stream socket to `host` ("a.b.c.d[:port]" or a name); `defaultPort` unless the host names one.
int NetSocketConnect(NetSocket* socket, const char* host, std::uint16_t defaultPort, std::uint32_t reserved,
                     std::int32_t timeoutMs);
// Sends all `length` bytes; the time-out limits the silence between two pieces; flags must be 0.
int NetSocketSend(NetSocket* socket, std::uint32_t length, const void* buffer, std::uint32_t* sent,
                  std::uint32_t flags, std::int32_t timeoutMs);
// Sends all bytes of `parts`, in order, as NetSocketSend sends their concatenation, but in one write for as
// many parts as fit: a header and its body leave together instead of the header in a small segment of its
// own.
int NetSocketSendParts(NetSocket* socket, std::span<const std::span<const std::uint8_t>> parts,
                       std::uint32_t* sent, std::int32_t timeoutMs);
// Receives exactly `length` bytes; the time-out limits the silence between two pieces; flags must be 0.
int NetSocketReceive(NetSocket* socket, std::uint32_t length, void* buffer, std::uint32_t* received,
                     std::uint32_t flags, std::int32_t timeoutMs);
// Sends one datagram, binding the socket to a system-chosen port first; the time-out is not used.
int NetSocketSendTo(NetSocket* socket, std::uint32_t reserved, std::int32_t timeoutMs, const char* host,
                    std::uint16_t defaultPort, std::uint32_t length, const void* buffer, std::uint32_t* sent);
// Asks for a receive buffer of `bytes`; the system grants at most its own limit, silently. The size it
// granted, as it counts it (Linux doubles the request for its bookkeeping), goes to *granted when given.
int NetSocketSetReceiveBuffer(NetSocket* socket, std::uint32_t bytes, std::uint32_t* granted);
// Receives one datagram of at most `length` bytes, with its sender's address and, if asked, its dotted quad.
int NetSocketReceiveFrom(NetSocket* socket, std::uint32_t reserved, std::int32_t timeoutMs,
                         std::uint32_t length, void* buffer, std::uint32_t* received, AddressRecord* from,
                         std::string* fromText);

} // namespace corvane
