#include "protocol/station_exchanges.h"

#include "config/byte_order.h"
#include "protocol/session_status.h"

#include <new>

namespace corvane {

int BuildSoftwareBlock(std::span<const std::uint8_t> image, std::vector<std::uint8_t>& block) {
    if (image.size() > kMaxSoftwareImageSize) {
        return session_status::kTooLarge;
    }
    try {
        block.clear();
        block.reserve(kSoftwareBlockSize);
    } catch (const std::bad_alloc&) {
        return session_status::kOutOfMemory;
    }
    // Each byte written once: the image, then the zero fill and the trailer's room.
    block.insert(block.end(), image.begin(), image.end());
    block.resize(kSoftwareBlockSize, 0);
    const std::uint32_t checksum = ComputeChecksum(kChecksumStart, kChecksumBlock, block.data(), kSoftwareChecksumOffset);
    StoreBigEndian32(block.data() + kSoftwareChecksumOffset, checksum);
    return 0;
}

int SetProperties(SocketCell* cell, std::uint32_t reserved, std::int32_t timeoutMs, const char* host,
                  const char* password, std::uint32_t count, const ElementHeader* entries, std::uint16_t port) {
    const bool present = cell != nullptr && host != nullptr && password != nullptr && entries != nullptr && count != 0;
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
        status = entries[i].length != 0 ? session_status::kTooLarge : SendElement(cell, 0, &entries[i], nullptr);
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
    if (const int status = ConnectSession(cell, host, reserved, timeoutMs, port); status != 0) {
        return status;
    }
    int status = SendRequest(cell, 0, password, command, length, body);
    if (status == 0) {
        status = ReceiveReplyHeader(cell, 0, 0);
    }
    const int closed = DisconnectSession(cell, 0);
    return status != 0 ? status : closed;
}

int RestartStation(SocketCell* cell, std::uint32_t reserved, std::int32_t timeoutMs, const char* host,
                   const char* password, std::uint16_t port) {
    const ElementHeader restart{kActionRestart, 0, 0};
    return SetProperties(cell, reserved, timeoutMs, host, password, 1, &restart, port);
}

int UploadStationSoftware(SocketCell* cell, std::uint32_t flags, std::int32_t timeoutMs, const char* host,
                          const char* password, std::uint32_t size, const std::uint8_t* image, std::uint16_t port) {
    if (cell == nullptr || size == 0 || image == nullptr) {
        return session_status::kBadArgument;
    }
    if ((flags & ~std::uint32_t{3}) != 0) {
        return session_status::kReservedNotZero;
    }
    // Larger images would overwrite the checksum trailer (or overflow the block).
    if (size > kMaxSoftwareImageSize) {
        return session_status::kTooLarge;
    }
    int status = 0;
    {
        std::vector<std::uint8_t> block;
        status = BuildSoftwareBlock({image, size}, block);
        if (status == 0) {
            status = SendCommandWithBody(cell, 0, timeoutMs, host, password, kCommandUploadSoftware,
                                         kSoftwareBlockSize, block.data(), port);
        }
    }
    if (status == 0 && (flags & kUploadRestart) != 0) {
        status = RestartStation(cell, 0, timeoutMs, host, password, port);
    }
    return status;
}

} // namespace corvane
