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

std::string StationHost(const ConfigRecord& record) {
    return FormatDottedQuad(record.stationAddress);
}

} // namespace

int ReadStationConfiguration(ConfigRecord& record, SocketCell* cell, std::uint16_t port) {
    const std::string host = StationHost(record);
    if (const int status = ConnectSession(cell, host.c_str(), 0, kConnectTimeoutMs, port); status != 0) {
        return status;
    }
    const char* password = record.adminPassword.c_str();
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

int WriteStationConfiguration(const ConfigRecord& record, SocketCell* cell, std::uint16_t port) {
    const std::string host = StationHost(record);
    if (const int status = ConnectSession(cell, host.c_str(), 0, kConnectTimeoutMs, port); status != 0) {
        return status;
    }
    const char* password = record.adminPassword.c_str();
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

int RestartStationOperation(const ConfigRecord& record, SocketCell* cell, std::uint16_t port) {
    return RestartStation(cell, 0, kRestartTimeoutMs, StationHost(record).c_str(),
                          record.adminPassword.c_str(), port);
}

int UploadStationSoftwareOperation(const ConfigRecord& record, SocketCell* cell, std::uint32_t size,
                                   const std::uint8_t* data, std::uint32_t flags, std::uint16_t port) {
    return UploadStationSoftware(cell, flags, kUploadTimeoutMs, StationHost(record).c_str(),
                                 record.adminPassword.c_str(), size, data, port);
}

} // namespace corvane
