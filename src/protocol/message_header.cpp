// SPDX-License-Identifier: Apache-2.0
#include "protocol/message_header.h"

#include "config/byte_order.h"
#include "config/checksum.h"
#include "config/scrambling.h"

#include <cstring>

namespace corvane {

void BuildMessageHeader(std::uint32_t reserved1, std::uint32_t reserved2, std::uint32_t command,
                        std::uint32_t bodyLength, const void* body, const char* password,
                        MessageHeader& out) {
    const std::uint32_t summed = bodyLength == kNoBody ? 0 : bodyLength;
    BuildMessageHeaderWithChecksum(reserved1, reserved2, command, bodyLength,
                                   ComputeChecksum(kChecksumStart, kChecksumBlock, body, summed), password,
                                   out);
}

void BuildMessageHeaderWithChecksum(std::uint32_t reserved1, std::uint32_t reserved2, std::uint32_t command,
                                    std::uint32_t bodyLength, std::uint32_t bodyChecksum,
                                    const char* password, MessageHeader& out) {
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
    for (std::size_t i = 0; i < kPasswordFieldSize && text[i] != '\0'; ++i) {
        field[i] = std::uint8_t(text[i]);
    }
    ScrambleBytes(kPasswordFieldSize, field);

    StoreBigEndian32(out.data() + kBodyChecksum, bodyChecksum);
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
