// SPDX-License-Identifier: Apache-2.0
#include "protocol/session.h"

#include "config/byte_order.h"
#include "config/element_stream.h"
#include "protocol/session_status.h"

#include <new>
#include <span>
#include <vector>

namespace corvane {

namespace {

constexpr std::size_t kWriteResultSize = 16;

// Requests and elements go out without time-out: only an abort or a broken connection ends them.
int SendBytes(SocketCell& cell, std::span<const std::uint8_t> bytes) {
    return NetSocketSend(cell.Current(), std::uint32_t(bytes.size()), bytes.data(), nullptr, 0, 0);
}

int SendParts(SocketCell& cell, std::span<const std::span<const std::uint8_t>> parts) {
    return NetSocketSendParts(cell.Current(), parts, nullptr, 0);
}

} // namespace

int ConnectSession(SocketCell* cell, const char* host, std::uint32_t reserved, std::int32_t timeoutMs,
                   std::uint16_t port) {
    if (const int status = session_status::CheckArguments(cell != nullptr && host != nullptr, reserved);
        status != 0) {
        return status;
    }
    if (cell->Current() == nullptr) {
        NetSocket* socket = nullptr;
        if (const int status = NetSocketCreate(kFamilyInternet, kSocketStream, 0, &socket); status != 0) {
            return status;
        }
        cell->Store(OwnedNetSocket(socket));
    }
    return NetSocketConnect(cell->Current(), host, port, 0, timeoutMs);
}

int DisconnectSession(SocketCell* cell, std::uint32_t reserved) {
    if (const int status = session_status::CheckArguments(cell != nullptr, reserved); status != 0) {
        return status;
    }
    return NetSocketClose(cell->Take().release(), 0);
}

int SendRequest(SocketCell* cell, std::uint32_t reserved, const char* password, std::uint32_t command,
                std::uint32_t bodyLength, const void* body) {
    const bool hasBody = bodyLength != 0 && bodyLength != kNoBody;
    const bool present = cell != nullptr && password != nullptr && (!hasBody || body != nullptr);
    if (const int status = session_status::CheckArguments(present, reserved); status != 0) {
        return status;
    }
    MessageHeader header;
    BuildMessageHeader(0, 0, command, bodyLength, body, password, header);
    if (!hasBody) {
        return SendBytes(*cell, header);
    }
    const std::span<const std::uint8_t> parts[] = {header,
                                                   {static_cast<const std::uint8_t*>(body), bodyLength}};
    return SendParts(*cell, parts);
}

int SendRequestInParts(SocketCell* cell, std::uint32_t reserved, const char* password, std::uint32_t command,
                       std::uint32_t bodyChecksum, std::span<const std::span<const std::uint8_t>> parts) {
    const bool present = cell != nullptr && password != nullptr;
    if (const int status = session_status::CheckArguments(present, reserved); status != 0) {
        return status;
    }
    std::uint32_t bodyLength = 0;
    for (const auto& part : parts) {
        bodyLength += std::uint32_t(part.size());
    }
    MessageHeader header;
    BuildMessageHeaderWithChecksum(0, 0, command, bodyLength, bodyChecksum, password, header);
    std::vector<std::span<const std::uint8_t>> request;
    try {
        request.reserve(parts.size() + 1);
    } catch (const std::bad_alloc&) {
        return session_status::kOutOfMemory;
    }
    request.emplace_back(header);
    request.insert(request.end(), parts.begin(), parts.end());
    return SendParts(*cell, request);
}

int ReceiveReplyHeader(SocketCell* cell, std::uint32_t reserved, std::int32_t timeoutMs, MessageHeader* out) {
    if (const int status = session_status::CheckArguments(cell != nullptr, reserved); status != 0) {
        return status;
    }
    MessageHeader header;
    if (const int status = ReceiveBytes(cell, 0, timeoutMs, kMessageHeaderSize, header.data()); status != 0) {
        return status;
    }
    if (out != nullptr) {
        *out = header;
    }
    if (!VerifyMessageHeader(header)) {
        return session_status::kReplyChecksumWrong;
    }
    return static_cast<std::int32_t>(LoadBigEndian32(header.data() + message_offset::kStatus));
}

int SendPropertyRequest(SocketCell* cell, std::uint32_t reserved, const char* password, std::uint32_t count,
                        const ElementHeader* entries) {
    const bool present = cell != nullptr && password != nullptr && count != 0 && entries != nullptr;
    if (const int status = session_status::CheckArguments(present, reserved); status != 0) {
        return status;
    }
    std::vector<std::uint8_t> body;
    try {
        body.resize(std::size_t(count) * kElementHeaderSize);
    } catch (const std::bad_alloc&) {
        return session_status::kOutOfMemory;
    }
    for (std::uint32_t i = 0; i < count; ++i) {
        StoreElementHeader(body.data() + std::size_t(i) * kElementHeaderSize, entries[i]);
    }
    return SendRequest(cell, 0, password, kCommandReadProperties, std::uint32_t(body.size()), body.data());
}

int SendElement(SocketCell* cell, std::uint32_t reserved, const ElementHeader* header,
                const std::uint8_t* value) {
    const bool present = cell != nullptr && header != nullptr && (header->length == 0 || value != nullptr);
    if (const int status = session_status::CheckArguments(present, reserved); status != 0) {
        return status;
    }
    std::vector<std::uint8_t> element;
    try {
        AppendElement(element, *header, {value, header->length});
    } catch (const std::bad_alloc&) {
        return session_status::kOutOfMemory;
    }
    return SendBytes(*cell, element);
}

int SendEndElement(SocketCell* cell, std::uint32_t reserved, std::int32_t code) {
    if (const int status = session_status::CheckArguments(cell != nullptr, reserved); status != 0) {
        return status;
    }
    std::uint8_t end[kWriteResultSize] = {};
    StoreElementHeader(end, {0, 0, 4});
    StoreBigEndian32(end + kElementHeaderSize, static_cast<std::uint32_t>(code));
    return SendBytes(*cell, end);
}

int ReceiveWriteResult(SocketCell* cell, std::uint32_t reserved, std::int32_t timeoutMs,
                       std::array<std::uint32_t, 4>* out) {
    if (out == nullptr) {
        return session_status::kBadArgument;
    }
    std::uint8_t raw[kWriteResultSize];
    if (const int status = ReceiveBytes(cell, reserved, timeoutMs, sizeof raw, raw); status != 0) {
        return status;
    }
    for (std::size_t i = 0; i < out->size(); ++i) {
        (*out)[i] = LoadBigEndian32(raw + 4 * i);
    }
    return 0;
}

int FinishPropertyWrite(SocketCell* cell, std::uint32_t reserved, std::int32_t timeoutMs) {
    if (const int status = SendEndElement(cell, reserved, 0); status != 0) {
        return status;
    }
    for (std::uint64_t received = 0;; received += kWriteResultSize) {
        if (received >= kMaxReplySize) {
            return session_status::kTooLarge;
        }
        std::array<std::uint32_t, 4> result{};
        if (const int status = ReceiveWriteResult(cell, 0, timeoutMs, &result); status != 0) {
            return status;
        }
        if (const auto code = static_cast<std::int32_t>(result[3]); code != 0) {
            return code;
        }
        if (result[0] == 0) {
            return 0;
        }
    }
}

int ReceiveBytes(SocketCell* cell, std::uint32_t reserved, std::int32_t timeoutMs, std::uint32_t length,
                 void* buffer) {
    if (const int status = session_status::CheckArguments(cell != nullptr, reserved); status != 0) {
        return status;
    }
    if (buffer == nullptr && length != 0) {
        return session_status::kBadArgument;
    }
    return NetSocketReceive(cell->Current(), length, buffer, nullptr, 0, timeoutMs);
}

} // namespace corvane
