#include "protocol/message_header.h"

#include "config/byte_order.h"

#include <algorithm>
#include <cstring>

namespace corvane {

namespace {

constexpr std::uint32_t kAdlerModulus = 65521;
constexpr std::uint32_t kLargestBlock = 5552; // the 32-bit sums cannot overflow below this

} // namespace

const std::array<std::uint8_t, 16> kScrambleKey = {0x3c, 0x91, 0xe0, 0x7a, 0x5d, 0x22, 0xb8, 0xf4,
                                                   0x06, 0x9a, 0xc3, 0x17, 0x5e, 0x8d, 0x4b, 0x20};

std::uint32_t ComputeChecksum(std::uint32_t start, std::uint32_t blockSize, const void* data, std::uint32_t length) {
    // A larger block would overflow the sums; clamping keeps the result the true Adler-32.
    if (blockSize == 0 || blockSize > kLargestBlock)
        blockSize = kLargestBlock;
    std::uint32_t s1 = start & 0xFFFF;
    std::uint32_t s2 = start >> 16;
    auto p = static_cast<const std::uint8_t*>(data);
    while (length > 0) {
        std::uint32_t block = std::min(blockSize, length);
        length -= block;
        for (; block >= 16; block -= 16, p += 16) {
            for (int i = 0; i < 16; ++i) {
                s1 += p[i];
                s2 += s1;
            }
        }
        for (; block > 0; --block, ++p) {
            s1 += *p;
            s2 += s1;
        }
        s1 %= kAdlerModulus;
        s2 %= kAdlerModulus;
    }
    return (s2 << 16) | s1;
}

void ScrambleBytes(std::uint32_t length, void* data) {
    auto p = static_cast<std::uint8_t*>(data);
    for (std::uint32_t i = 0; i < length; ++i)
        p[i] ^= kScrambleKey[i % kScrambleKey.size()] ^ std::uint8_t(i + 85);
}

void BuildMessageHeader(std::uint32_t reserved1, std::uint32_t reserved2, std::uint32_t command,
                        std::uint32_t bodyLength, const void* body, const char* password, MessageHeader& out) {
    using namespace message_offset;
    out.fill(0);
    std::memcpy(out.data() + kMagic, "cvcp", 4);
    StoreBigEndian32(out.data() + kVersion, 1);
    StoreBigEndian32(out.data() + kBodyLength, bodyLength);
    StoreBigEndian32(out.data() + kReserved1, reserved1);
    StoreBigEndian32(out.data() + kReserved2, reserved2);
    StoreBigEndian32(out.data() + kCommand, command);

    // A bounded copy: at most 32 bytes, up to the first NUL, zero-filled (the field is already zero).
    const char* text = password ? password : kFactoryPassword;
    std::uint8_t* field = out.data() + kPassword;
    for (std::size_t i = 0; i < kPasswordFieldSize && text[i] != '\0'; ++i)
        field[i] = std::uint8_t(text[i]);
    ScrambleBytes(kPasswordFieldSize, field);

    const std::uint32_t summed = bodyLength == kNoBody ? 0 : bodyLength;
    StoreBigEndian32(out.data() + kBodyChecksum, ComputeChecksum(kChecksumStart, kChecksumBlock, body, summed));
    StoreBigEndian32(out.data() + kHeaderChecksum,
                     ComputeChecksum(kChecksumStart, kChecksumBlock, out.data(), kMessageHeaderSize));
}

bool VerifyMessageHeader(const MessageHeader& header) {
    MessageHeader copy = header;
    const std::uint32_t stored = LoadBigEndian32(copy.data() + message_offset::kHeaderChecksum);
    StoreBigEndian32(copy.data() + message_offset::kHeaderChecksum, 0);
    return stored == ComputeChecksum(kChecksumStart, kChecksumBlock, copy.data(), kMessageHeaderSize);
}

} // namespace corvane
