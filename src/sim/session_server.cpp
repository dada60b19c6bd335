// SPDX-License-Identifier: Apache-2.0
#include "sim/session_server.h"

#include "config/byte_order.h"
#include "config/byte_reader.h"
#include "config/checksum.h"
#include "config/element_stream.h"
#include "config/property_codec.h"
#include "config/status_codes.h"
#include "protocol/message_header.h"
#include "protocol/session.h"
#include "protocol/station_exchanges.h"
#include "sim/stream_io.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace corvane::sim {

namespace {

constexpr std::uint32_t kCommandUpload = kCommandUploadSoftware;
constexpr std::uint32_t kCommandRead = kCommandReadProperties;
constexpr std::uint32_t kCommandWrite = kCommandWriteProperties;
constexpr std::uint32_t kSoftwareTrailer = kSoftwareChecksumOffset;
constexpr std::uint32_t kMaxRequestEntries = 4096;
constexpr std::uint32_t kGiantLength = 0x7FFFFFF0;
constexpr std::uint32_t kLyingLength = 1000;
constexpr std::size_t kCodeSize = 4;

// The station's own answers in reply headers and write results.
using session_status::kStationFailure;
using session_status::kWrongPassword;

constexpr PropertyTag kFinishTag = kActionFinish;
constexpr PropertyTag kRestartTag = kActionRestart;

// What the elements of a write asked for, and the results owed to the client.
struct StagedWrite {
    ConfigRecord record; // the station's configuration with the written properties applied
    bool finish = false;
    bool restart = false;
    std::size_t applied = 0;
    int failure = 0; // the first property that failed
    std::vector<std::uint8_t> results;

    void Take(const ElementHeader& header, std::span<std::uint8_t> value);
};

class Session {
public:
    Session(int fd, Station& station, const SessionSettings& settings, std::atomic<std::int64_t>* activity)
        : station_(station), settings_(settings), io_(fd, settings.stopFd, settings.ioTimeoutMs, activity) {}

    void Run();

private:
    void Log(const std::string& text) const {
        if (settings_.log) {
            settings_.log("station " + std::to_string(station_.Index()) + ": " + text);
        }
    }
    bool Has(Fault fault) const { return HasFault(station_.Faults(), fault); }
    bool SendReplyHeader(std::uint32_t command, int status);
    bool PasswordMatches(const MessageHeader& request) const;
    bool ReadBody(const MessageHeader& request, std::vector<std::uint8_t>& body, std::uint32_t maxLength,
                  std::uint32_t command);
    void ServeRead(const MessageHeader& request);
    void ServeWrite();
    void FinishWrite(StagedWrite& write);
    void ServeUpload(const MessageHeader& request);
    void BeginRestart();

    Station& station_;
    const SessionSettings& settings_;
    StreamIo io_;
};

std::vector<std::uint8_t> CodeBytes(int code) {
    std::vector<std::uint8_t> bytes(kCodeSize);
    StoreBigEndian32(bytes.data(), std::uint32_t(code));
    return bytes;
}

bool Session::SendReplyHeader(std::uint32_t command, int status) {
    MessageHeader reply{};
    BuildMessageHeader(0, 0, command, 0, nullptr, nullptr, reply);
    StoreBigEndian32(reply.data() + message_offset::kStatus, std::uint32_t(status));
    StoreBigEndian32(reply.data() + message_offset::kHeaderChecksum, 0);
    StoreBigEndian32(
        reply.data() + message_offset::kHeaderChecksum,
        ComputeChecksum(kChecksumStart, kChecksumBlock, reply.data(), std::uint32_t(reply.size())));
    if (Has(Fault::BadReplyChecksum)) {
        reply[message_offset::kHeaderChecksum + 3] ^= 0x5A;
    }
    return io_.WriteAll(reply.data(), reply.size());
}

bool Session::PasswordMatches(const MessageHeader& request) const {
    MessageHeader expected{};
    const std::string password = station_.SessionPassword();
    BuildMessageHeader(0, 0, 0, 0, nullptr, password.c_str(), expected);
    return std::equal(request.begin() + message_offset::kPassword,
                      request.begin() + message_offset::kPassword + kPasswordFieldSize,
                      expected.begin() + message_offset::kPassword);
}

bool Session::ReadBody(const MessageHeader& request, std::vector<std::uint8_t>& body, std::uint32_t maxLength,
                       std::uint32_t command) {
    const std::uint32_t length = LoadBigEndian32(request.data() + message_offset::kBodyLength);
    if (length == kNoBody || length > maxLength) {
        Log("refused a body of " + std::to_string(length) + " bytes");
        SendReplyHeader(command, kMalformedValue);
        return false;
    }
    if (!io_.ReadGrowing(body, length)) {
        return false;
    }
    const std::uint32_t announced = LoadBigEndian32(request.data() + message_offset::kBodyChecksum);
    if (ComputeChecksum(kChecksumStart, kChecksumBlock, body.data(), length) != announced) {
        Log("body checksum mismatch");
        SendReplyHeader(command, kChecksumMismatch);
        return false;
    }
    return true;
}

void Session::Run() {
    MessageHeader request{};
    if (!io_.ReadExactly(request.data(), request.size())) {
        return;
    }
    if (Has(Fault::Stall)) {
        Log("stalling");
        io_.WaitForPeerClose(-1);
        return;
    }
    const std::uint32_t command = LoadBigEndian32(request.data() + message_offset::kCommand);
    if (!VerifyMessageHeader(request)) {
        Log("request header checksum mismatch");
        SendReplyHeader(command, kChecksumMismatch);
        return;
    }
    if (!PasswordMatches(request)) {
        Log("wrong password");
        // The software block is taken in whole first, as a station does, so that a client still sending it
        // hears the refusal instead of a broken connection.
        std::vector<std::uint8_t> ignored;
        if (command != kCommandUpload || ReadBody(request, ignored, kSoftwareBlockSize, command)) {
            SendReplyHeader(command, kWrongPassword);
        }
        return;
    }
    switch (command) {
    case kCommandRead:
        ServeRead(request);
        break;
    case kCommandWrite:
        ServeWrite();
        break;
    case kCommandUpload:
        ServeUpload(request);
        break;
    default:
        Log("unknown command " + std::to_string(command));
        SendReplyHeader(command, kStationFailure);
        break;
    }
}

void Session::ServeRead(const MessageHeader& request) {
    std::vector<std::uint8_t> body;
    if (!ReadBody(request, body, kMaxRequestEntries * kElementHeaderSize, kCommandRead)) {
        return;
    }
    if (body.size() % kElementHeaderSize != 0) {
        SendReplyHeader(kCommandRead, kMalformedValue);
        return;
    }
    if (!SendReplyHeader(kCommandRead, 0)) {
        return;
    }
    if (Has(Fault::GiantLength)) {
        std::uint8_t header[kElementHeaderSize];
        StoreElementHeader(header, {MakeTag("syNm"), 0, kGiantLength});
        io_.WriteAll(header, sizeof header);
        Log("sent an element of " + std::to_string(kGiantLength) + " bytes");
        io_.WaitForPeerClose(settings_.ioTimeoutMs);
        return;
    }
    const ConfigRecord configuration = station_.Configuration();
    std::vector<std::uint8_t> stream;
    const std::uint32_t statusLength = Has(Fault::LyingStatusLength) ? kLyingLength : kCodeSize;
    if (Has(Fault::LyingStatusLength)) {
        AppendElement(stream, {MakeTag("syVs"), ELEMENT_STATUS, statusLength}, CodeBytes(kStationFailure));
    }
    std::vector<std::uint8_t> value;
    std::size_t sent = 0;
    ByteReader entries(body);
    for (ElementHeader entry; ReadElementHeader(entries, entry);) {
        if (const int status = GetProperty(configuration, entry.tag, value); status != 0) {
            AppendElement(stream, {entry.tag, ELEMENT_STATUS, statusLength}, CodeBytes(status));
            continue;
        }
        AppendElement(stream, {entry.tag, entry.flags & ELEMENT_SCRAMBLED, std::uint32_t(value.size())},
                      value);
        ++sent;
    }
    AppendElement(stream, {0, 0, statusLength}, CodeBytes(0));
    if (Has(Fault::CloseMidStream)) {
        io_.WriteAll(stream.data(), stream.size() / 2);
        Log("closed the connection in the middle of a read");
        return;
    }
    if (io_.WriteAll(stream.data(), stream.size())) {
        Log("read " + std::to_string(sent) + " properties");
    }
}

void StagedWrite::Take(const ElementHeader& header, std::span<std::uint8_t> value) {
    if (header.tag == kFinishTag) {
        finish = true;
    } else if (header.tag == kRestartTag) {
        restart = true;
    } else {
        // A property this station does not know is ignored; a malformed value fails the write.
        const int status = ApplyElement(record, header, value);
        const int code = status == kUnknownProperty ? 0 : status;
        AppendElement(results, {header.tag, 0, kCodeSize}, CodeBytes(code));
        if (code != 0 && failure == 0) {
            failure = code;
        }
        ++applied;
    }
}

void Session::ServeWrite() {
    if (!SendReplyHeader(kCommandWrite, 0)) {
        return;
    }
    StagedWrite write;
    write.record = station_.Configuration();
    const ByteSource fromClient = [this](std::uint8_t* buffer, std::size_t length) {
        return io_.ReadExactly(buffer, length) ? 0 : socket_status::kConnectionLost;
    };
    const int walked = WalkElementStream(
        fromClient, kMaxElementLength, [&write](const ElementHeader& header, std::span<std::uint8_t> value) {
            write.Take(header, value);
            return 0;
        });
    if (walked == kMalformedValue) {
        Log("refused an element longer than " + std::to_string(kMaxElementLength) + " bytes");
    }
    if (walked != 0) {
        return;
    }
    if (Has(Fault::CloseMidStream)) {
        Log("closed the connection before the write results");
        return;
    }
    FinishWrite(write);
}

void Session::FinishWrite(StagedWrite& write) {
    if (write.finish && write.failure == 0) {
        std::string error;
        const bool saved = station_.Commit(write.record, error);
        AppendElement(write.results, {kFinishTag, 0, kCodeSize}, CodeBytes(saved ? 0 : kStationFailure));
        if (!saved) {
            write.failure = kStationFailure;
            Log("cannot keep the configuration: " + error);
        } else {
            Log("configuration written (" + std::to_string(write.applied) + " properties)");
        }
    }
    AppendElement(write.results, {0, 0, kCodeSize}, CodeBytes(0));
    // Down before the results leave: whoever has read them finds the station restarting.
    const bool restarting = write.restart && write.failure == 0;
    if (restarting) {
        BeginRestart();
    }
    io_.WriteAll(write.results.data(), write.results.size());
    if (restarting && settings_.restarted) {
        settings_.restarted(station_);
    }
}

void Session::ServeUpload(const MessageHeader& request) {
    std::vector<std::uint8_t> block;
    if (LoadBigEndian32(request.data() + message_offset::kBodyLength) != kSoftwareBlockSize) {
        Log("refused a software block of the wrong size");
        SendReplyHeader(kCommandUpload, kMalformedValue);
        return;
    }
    if (!ReadBody(request, block, kSoftwareBlockSize, kCommandUpload)) {
        return;
    }
    if (ComputeChecksum(kChecksumStart, kChecksumBlock, block.data(), kSoftwareTrailer) !=
        LoadBigEndian32(block.data() + kSoftwareTrailer)) {
        Log("software trailer checksum mismatch");
        SendReplyHeader(kCommandUpload, kChecksumMismatch);
        return;
    }
    if (Has(Fault::CloseMidStream)) {
        Log("closed the connection before the upload reply");
        return;
    }
    std::string error;
    if (!station_.KeepImage(std::move(block), error)) {
        Log("cannot keep the software image: " + error);
        SendReplyHeader(kCommandUpload, kStationFailure);
        return;
    }
    Log("software image kept");
    SendReplyHeader(kCommandUpload, 0);
}

void Session::BeginRestart() {
    const bool installing = station_.ImagePending();
    station_.BeginRestart(Clock::now(), settings_.restartTime);
    Log(installing ? "restarting with the new software" : "restarting");
}

} // namespace

void ServeSession(int fd, Station& station, const SessionSettings& settings,
                  std::atomic<std::int64_t>* activity) {
    Session(fd, station, settings, activity).Run();
}

} // namespace corvane::sim
