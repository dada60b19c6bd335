// SPDX-License-Identifier: Apache-2.0
#include "protocol/station_operations.h"

#include "config/element_stream.h"
#include "protocol/dotted_quad.h"
#include "protocol/session_status.h"
#include "protocol/station_exchanges.h"

#include <string>

namespace corvane {

namespace {

constexpr std::int32_t kConnectTimeoutMs = 5000;
constexpr std::int32_t kReplyTimeoutMs = 30000;
constexpr std::int32_t kRestartTimeoutMs = 5000;
constexpr std::int32_t kUploadTimeoutMs = 30000;

StationAccess AccessOf(const ConfigRecord& record, std::uint16_t port) {
    return {record.stationAddress, port, record.adminPassword};
}

} // namespace

int ReadStationConfiguration(const StationAccess& access, ConfigRecord& record, SocketCell* cell) {
    const std::string host = FormatDottedQuad(access.address);
    if (const int status = ConnectSession(cell, host.c_str(), 0, kConnectTimeoutMs, access.port);
        status != 0) {
        return status;
    }
    const char* password = access.password.c_str();
    if (const int status = SendPropertyRequest(cell, 0, password, kTransferCount, TransferList.data());
        status != 0) {
        return status;
    }
    if (const int status = ReceiveReplyHeader(cell, 0, kReplyTimeoutMs); status != 0) {
        return status;
    }
    std::uint64_t received = 0;
    const ByteSource fromStation = [cell, &received](std::uint8_t* buffer, std::size_t length) {
        received += length;
        if (received > kMaxReplySize) {
            return session_status::kTooLarge;
        }
        return ReceiveBytes(cell, 0, kReplyTimeoutMs, std::uint32_t(length), buffer);
    };
    if (const int status = ReadElementStream(record, fromStation); status != 0) {
        return status;
    }
    return DisconnectSession(cell, 0);
}

int WriteStationConfiguration(const StationAccess& access, const ConfigRecord& record, SocketCell* cell) {
    const std::string host = FormatDottedQuad(access.address);
    if (const int status = ConnectSession(cell, host.c_str(), 0, kConnectTimeoutMs, access.port);
        status != 0) {
        return status;
    }
    const char* password = access.password.c_str();
    if (const int status = SendRequest(cell, 0, password, kCommandWriteProperties, kNoBody, nullptr);
        status != 0) {
        return status;
    }
    if (const int status = ReceiveReplyHeader(cell, 0, kReplyTimeoutMs); status != 0) {
        return status;
    }
    const ElementSink toStation = [cell](std::span<const std::uint8_t> element) {
        return NetSocketSend(cell->Current(), std::uint32_t(element.size()), element.data(), nullptr, 0, 0);
    };
    if (const int status = WriteElementSequence(record, OnPropertyFailure::Skip, toStation); status != 0) {
        return status;
    }
    for (const PropertyTag action : {kActionFinish, kActionRestart}) {
        const ElementHeader element{action, 0, 0};
        if (const int status = SendElement(cell, 0, &element, nullptr); status != 0) {
            return status;
        }
    }
    if (const int status = FinishPropertyWrite(cell, 0, kReplyTimeoutMs); status != 0) {
        return status;
    }
    return DisconnectSession(cell, 0);
}

int RestartStationOperation(const StationAccess& access, SocketCell* cell) {
    return RestartStation(cell, 0, kRestartTimeoutMs, FormatDottedQuad(access.address).c_str(),
                          access.password.c_str(), access.port);
}

int UploadStationSoftwareOperation(const StationAccess& access, SocketCell* cell, std::uint32_t size,
                                   const std::uint8_t* data, std::uint32_t flags) {
    return UploadStationSoftware(cell, flags, kUploadTimeoutMs, FormatDottedQuad(access.address).c_str(),
                                 access.password.c_str(), size, data, access.port);
}

int ReadStationConfiguration(ConfigRecord& record, SocketCell* cell, std::uint16_t port) {
    return ReadStationConfiguration(AccessOf(record, port), record, cell);
}

int WriteStationConfiguration(const ConfigRecord& record, SocketCell* cell, std::uint16_t port) {
    return WriteStationConfiguration(AccessOf(record, port), record, cell);
}

int RestartStationOperation(const ConfigRecord& record, SocketCell* cell, std::uint16_t port) {
    return RestartStationOperation(AccessOf(record, port), cell);
}

int UploadStationSoftwareOperation(const ConfigRecord& record, SocketCell* cell, std::uint32_t size,
                                   const std::uint8_t* data, std::uint32_t flags, std::uint16_t port) {
    return UploadStationSoftwareOperation(AccessOf(record, port), cell, size, data, flags);
}

} // namespace corvane
