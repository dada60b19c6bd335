// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/property_catalogue.h"
#include "protocol/message_header.h"
#include "protocol/socket_cell.h"

#include <array>
#include <cstdint>
#include <span>

namespace corvane {

// Session primitives: one step of a TCP exchange with a base station through a SocketCell. Each returns 0, a
// status of session_status.h, a socket-layer status, or the base station's status from a reply header.
// Time-outs are milliseconds as the socket layer takes them (0: none). Reserved arguments must be 0 (else
// -14).

constexpr std::uint16_t kStationPort = 5009;

// The most a base station may send in one reply (elements or write results): far above any real one, so a
// station that never ends its reply is stopped with -15 instead of being listened to for ever.
constexpr std::uint64_t kMaxReplySize = 64u * 1024 * 1024;

// Command codes of a request header.
constexpr std::uint32_t kCommandUploadSoftware = 3;
constexpr std::uint32_t kCommandReadProperties = 20;
constexpr std::uint32_t kCommandWriteProperties = 21;

// Action tags, sent as elements without a value.
constexpr PropertyTag kActionRestart = MakeTag("acRB");
constexpr PropertyTag kActionFinish = MakeTag("acFN");

// Fills an empty cell with a new stream socket, then connects it to `host` (its own ":port", else `port`).
int ConnectSession(SocketCell* cell, const char* host, std::uint32_t reserved, std::int32_t timeoutMs,
                   std::uint16_t port = kStationPort);
// Closes the cell's socket and empties the cell, so the next ConnectSession makes a new one.
int DisconnectSession(SocketCell* cell, std::uint32_t reserved);
// Sends a request header and, unless bodyLength is 0 or kNoBody, the body; without time-out.
int SendRequest(SocketCell* cell, std::uint32_t reserved, const char* password, std::uint32_t command,
                std::uint32_t bodyLength, const void* body);
// Sends a request header carrying `bodyChecksum`, then the body in the given pieces, one after another.
int SendRequestInParts(SocketCell* cell, std::uint32_t reserved, const char* password, std::uint32_t command,
                       std::uint32_t bodyChecksum, std::span<const std::span<const std::uint8_t>> parts);
// Receives a reply header: -6 for a wrong checksum, else the base station's status; the bytes as received go
// to `out` when given.
int ReceiveReplyHeader(SocketCell* cell, std::uint32_t reserved, std::int32_t timeoutMs,
                       MessageHeader* out = nullptr);
// Sends command 20 with `count` request entries (tag, flags, length) as its body.
int SendPropertyRequest(SocketCell* cell, std::uint32_t reserved, const char* password, std::uint32_t count,
                        const ElementHeader* entries);
// Sends one element: its header, then header->length value bytes, scrambled on the wire when flagged.
int SendElement(SocketCell* cell, std::uint32_t reserved, const ElementHeader* header,
                const std::uint8_t* value);
// Sends the 16-byte end element of a write with `code` (always 0).
int SendEndElement(SocketCell* cell, std::uint32_t reserved, std::int32_t code);
// Receives a 16-byte write result: tag, flags, length, code (signed), in host order.
int ReceiveWriteResult(SocketCell* cell, std::uint32_t reserved, std::int32_t timeoutMs,
                       std::array<std::uint32_t, 4>* out);
// Ends a property write: the end element, then write results until the one with tag 0; a non-zero result code
// ends it at once with that code, and results past kMaxReplySize with -15.
int FinishPropertyWrite(SocketCell* cell, std::uint32_t reserved, std::int32_t timeoutMs);
// Receives exactly `length` bytes.
int ReceiveBytes(SocketCell* cell, std::uint32_t reserved, std::int32_t timeoutMs, std::uint32_t length,
                 void* buffer);

} // namespace corvane
