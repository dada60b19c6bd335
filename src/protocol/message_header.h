// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace corvane {

// The 128-byte header in front of every TCP request and reply; all words big-endian.
constexpr std::size_t kMessageHeaderSize = 128;
using MessageHeader = std::array<std::uint8_t, kMessageHeaderSize>;

namespace message_offset {
constexpr std::size_t kMagic = 0;
constexpr std::size_t kVersion = 4;
constexpr std::size_t kHeaderChecksum = 8;
constexpr std::size_t kBodyChecksum = 12;
constexpr std::size_t kBodyLength = 16;
constexpr std::size_t kReserved1 = 20;
constexpr std::size_t kReserved2 = 24;
constexpr std::size_t kCommand = 28;
constexpr std::size_t kStatus = 32;
constexpr std::size_t kPassword = 48;
} // namespace message_offset

constexpr std::size_t kPasswordFieldSize = 32;
constexpr std::uint32_t kNoBody = 0xFFFFFFFF;      // body length of a request followed by an element stream
constexpr const char* kFactoryPassword = "orchid"; // used when no password is given

// Fills a request header; body may be null when bodyLength is 0 or kNoBody, password null means the factory
// one.
void BuildMessageHeader(std::uint32_t reserved1, std::uint32_t reserved2, std::uint32_t command,
                        std::uint32_t bodyLength, const void* body, const char* password, MessageHeader& out);

// As BuildMessageHeader, for a body whose checksum the caller already has (a body sent in pieces).
void BuildMessageHeaderWithChecksum(std::uint32_t reserved1, std::uint32_t reserved2, std::uint32_t command,
                                    std::uint32_t bodyLength, std::uint32_t bodyChecksum,
                                    const char* password, MessageHeader& out);

// True when the header checksum of a received header is right.
bool VerifyMessageHeader(const MessageHeader& header);

} // namespace corvane
