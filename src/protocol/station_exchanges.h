// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/property_catalogue.h"
#include "protocol/session.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace corvane {

// Composite exchanges: each makes its own connection through the cell and closes it again once connected.

// The software block of command 3: the image, zero fill, and at kSoftwareChecksumOffset the big-endian
// checksum of every byte before it.
constexpr std::uint32_t kSoftwareBlockSize = 0x180000;
constexpr std::uint32_t kSoftwareChecksumOffset = kSoftwareBlockSize - 4;
// Largest image that fits before the checksum trailer.
constexpr std::uint32_t kMaxSoftwareImageSize = kSoftwareChecksumOffset;

// Upload flag: restart the base station after a successful upload.
constexpr std::uint32_t kUploadRestart = 2;

// The software block of an image, described instead of built, so an upload copies nothing: the image, the
// zero fill up to the trailer, and the trailer.
struct SoftwareBlock {
    std::span<const std::uint8_t> image;
    std::array<std::uint8_t, 4> trailer{}; // big-endian checksum of every byte before it
    std::uint32_t checksum = 0;            // of the whole block, trailer included
};

// Describes the software block of an image: 0, or session_status::kTooLarge above kMaxSoftwareImageSize
// bytes.
int DescribeSoftwareBlock(std::span<const std::uint8_t> image, SoftwareBlock& block);
// Builds the software block of an image as bytes: 0, session_status::kTooLarge above kMaxSoftwareImageSize
// bytes, or session_status::kOutOfMemory.
int BuildSoftwareBlock(std::span<const std::uint8_t> image, std::vector<std::uint8_t>& block);

// Command 21 with one action element per entry (entries carry no value: a length gives -15), then the
// results.
int SetProperties(SocketCell* cell, std::uint32_t reserved, std::int32_t timeoutMs, const char* host,
                  const char* password, std::uint32_t count, const ElementHeader* entries,
                  std::uint16_t port = kStationPort);
// One request with its body and the reply header (waited for without time-out): the first failure or its
// status.
int SendCommandWithBody(SocketCell* cell, std::uint32_t reserved, std::int32_t timeoutMs, const char* host,
                        const char* password, std::uint32_t command, std::uint32_t length, const void* body,
                        std::uint16_t port = kStationPort);
// Restarts the base station (a write of the single action acRB).
int RestartStation(SocketCell* cell, std::uint32_t reserved, std::int32_t timeoutMs, const char* host,
                   const char* password, std::uint16_t port = kStationPort);
// Uploads a software image (at most kMaxSoftwareImageSize bytes, else -15) and, with kUploadRestart in
// `flags`, restarts the base station on a second connection.
int UploadStationSoftware(SocketCell* cell, std::uint32_t flags, std::int32_t timeoutMs, const char* host,
                          const char* password, std::uint32_t size, const std::uint8_t* image,
                          std::uint16_t port = kStationPort);

} // namespace corvane
