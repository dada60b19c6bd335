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
constexpr std::uint32_t kChecksumStart = 1;
constexpr std::uint32_t kChecksumBlock = 5000;

// The password scrambling key, first byte 0x3c.
extern const std::array<std::uint8_t, 16> kScrambleKey;

// Adler-32 from `start`, reducing after every `blockSize` bytes (0 means 5552, the largest safe block).
std::uint32_t ComputeChecksum(std::uint32_t start, std::uint32_t blockSize, const void* data,
                              std::uint32_t length);

// Self-inverse scrambling of password fields and scrambled values, in place.
void ScrambleBytes(std::uint32_t length, void* data);

// Fills a request header; body may be null when bodyLength is 0 or kNoBody, password null means the factory
// one.
void BuildMessageHeader(std::uint32_t reserved1, std::uint32_t reserved2, std::uint32_t command,
                        std::uint32_t bodyLength, const void* body, const char* password, MessageHeader& out);

// True when the header checksum of a received header is right.
// As BuildMessageHeader, for a body whose checksum the caller already has (a body sent in pieces).
void BuildMessageHeaderWithChecksum(std::uint32_t reserved1, std::uint32_t reserved2, std::uint32_t command,
                                    std::uint32_t bodyLength, std::uint32_t bodyChecksum,
                                    const char* password, MessageHeader& out);

// The checksum of the bytes `checksum` covers followed by `count` zero bytes, without summing them.
std::uint32_t ExtendChecksumWithZeros(std::uint32_t checksum, std::uint32_t count);

bool VerifyMessageHeader(const MessageHeader& header);

} // namespace corvane
