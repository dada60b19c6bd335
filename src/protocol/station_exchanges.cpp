// SPDX-License-Identifier: Apache-2.0
#include "protocol/station_exchanges.h"

#include "config/byte_order.h"
#include "config/checksum.h"
#include "protocol/session_status.h"

#include <algorithm>
#include <new>

namespace corvane {

namespace {

// Connects, sends one request, waits for the reply header without time-out and closes the connection again.
template <typename SendFn>
int RequestAndReply(SocketCell* cell, std::uint32_t reserved, std::int32_t timeoutMs, const char* host,
                    std::uint16_t port, SendFn sendRequest) {
    if (const int status = ConnectSession(cell, host, reserved, timeoutMs, port); status != 0) {
        return status;
    }
    int status = sendRequest();
    if (status == 0) {
        status = ReceiveReplyHeader(cell, 0, 0);
    }
    const int closed = DisconnectSession(cell, 0);
    return status != 0 ? status : closed;
}

// Command 3 with the block sent straight from the image: no 1.5 MB copy per upload.
int SendSoftwareBlock(SocketCell* cell, std::int32_t timeoutMs, const char* host, const char* password,
                      const SoftwareBlock& block, std::uint16_t port) {
    static const std::array<std::uint8_t, 64 * 1024> zeros{};
    std::vector<std::span<const std::uint8_t>> parts;
    try {
        parts.push_back(block.image);
        for (std::uint32_t fill = kSoftwareChecksumOffset - std::uint32_t(block.image.size()); fill > 0;) {
            const std::uint32_t piece = std::min<std::uint32_t>(fill, zeros.size());
            parts.emplace_back(zeros.data(), piece);
            fill -= piece;
        }
        parts.emplace_back(block.trailer);
    } catch (const std::bad_alloc&) {
        return session_status::kOutOfMemory;
    }
    return RequestAndReply(cell, 0, timeoutMs, host, port, [&] {
        return SendRequestInParts(cell, 0, password, kCommandUploadSoftware, block.checksum, parts);
    });
}

} // namespace

int DescribeSoftwareBlock(std::span<const std::uint8_t> image, SoftwareBlock& block) {
    // Larger images would overwrite the checksum trailer (or overflow the block).
    if (image.size() > kMaxSoftwareImageSize) {
        return session_status::kTooLarge;
    }
    const auto size = std::uint32_t(image.size());
    const std::uint32_t beforeTrailer = ExtendChecksumWithZeros(
        ComputeChecksum(kChecksumStart, kChecksumBlock, image.data(), size), kSoftwareChecksumOffset - size);
    block.image = image;
    StoreBigEndian32(block.trailer.data(), beforeTrailer);
    block.checksum = ComputeChecksum(beforeTrailer, kChecksumBlock, block.trailer.data(), 4);
    return 0;
}

int BuildSoftwareBlock(std::span<const std::uint8_t> image, std::vector<std::uint8_t>& block) {
    SoftwareBlock described;
    if (const int status = DescribeSoftwareBlock(image, described); status != 0) {
        return status;
    }
    try {
        block.assign(kSoftwareBlockSize, 0);
    } catch (const std::bad_alloc&) {
        return session_status::kOutOfMemory;
    }
    std::copy(image.begin(), image.end(), block.begin());
    std::copy(described.trailer.begin(), described.trailer.end(), block.begin() + kSoftwareChecksumOffset);
    return 0;
}

int SetProperties(SocketCell* cell, std::uint32_t reserved, std::int32_t timeoutMs, const char* host,
                  const char* password, std::uint32_t count, const ElementHeader* entries,
                  std::uint16_t port) {
    const bool present =
        cell != nullptr && host != nullptr && password != nullptr && entries != nullptr && count != 0;
    if (const int status = session_status::CheckArguments(present, reserved); status != 0) {
        return status;
    }
    if (const int status = ConnectSession(cell, host, 0, timeoutMs, port); status != 0) {
        return status;
    }
    int status = SendRequest(cell, 0, password, kCommandWriteProperties, kNoBody, nullptr);
    if (status == 0) {
        status = ReceiveReplyHeader(cell, 0, timeoutMs);
    }
    for (std::uint32_t i = 0; status == 0 && i < count; ++i) {
        status =
            entries[i].length != 0 ? session_status::kTooLarge : SendElement(cell, 0, &entries[i], nullptr);
    }
    if (status == 0) {
        status = FinishPropertyWrite(cell, 0, timeoutMs);
    }
    const int closed = DisconnectSession(cell, 0);
    return status != 0 ? status : closed;
}

int SendCommandWithBody(SocketCell* cell, std::uint32_t reserved, std::int32_t timeoutMs, const char* host,
                        const char* password, std::uint32_t command, std::uint32_t length, const void* body,
                        std::uint16_t port) {
    if (password == nullptr) {
        return session_status::kBadArgument;
    }
    return RequestAndReply(cell, reserved, timeoutMs, host, port,
                           [&] { return SendRequest(cell, 0, password, command, length, body); });
}

int RestartStation(SocketCell* cell, std::uint32_t reserved, std::int32_t timeoutMs, const char* host,
                   const char* password, std::uint16_t port) {
    const ElementHeader restart{kActionRestart, 0, 0};
    return SetProperties(cell, reserved, timeoutMs, host, password, 1, &restart, port);
}

int UploadStationSoftware(SocketCell* cell, std::uint32_t flags, std::int32_t timeoutMs, const char* host,
                          const char* password, std::uint32_t size, const std::uint8_t* image,
                          std::uint16_t port) {
    if (cell == nullptr || size == 0 || image == nullptr) {
        return session_status::kBadArgument;
    }
    if ((flags & ~std::uint32_t{3}) != 0) {
        return session_status::kReservedNotZero;
    }
    SoftwareBlock block;
    int status = DescribeSoftwareBlock({image, size}, block);
    if (status == 0) {
        status = password == nullptr ? session_status::kBadArgument
                                     : SendSoftwareBlock(cell, timeoutMs, host, password, block, port);
    }
    if (status == 0 && (flags & kUploadRestart) != 0) {
        status = RestartStation(cell, 0, timeoutMs, host, password, port);
    }
    return status;
}

} // namespace corvane
