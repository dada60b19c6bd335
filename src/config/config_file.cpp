// SPDX-License-Identifier: Apache-2.0
#include "config/config_file.h"

#include "config/byte_order.h"
#include "config/byte_reader.h"
#include "config/checksum.h"
#include "config/element_stream.h"
#include "config/status_codes.h"

#include <array>
#include <cstring>
#include <new>

namespace corvane {

namespace {

constexpr char kMagic[] = "TSSL-CV-CNFG-HDR";
constexpr std::size_t kMagicSize = 16;
constexpr std::uint32_t kFormatVersion = 1;

namespace offset {
constexpr std::size_t kVersion = 16;
constexpr std::size_t kHeaderChecksum = 20;
constexpr std::size_t kBodyChecksum = 24;
constexpr std::size_t kBodyLength = 28;
constexpr std::size_t kElementCount = 32;
} // namespace offset

std::uint32_t Adler32(const std::uint8_t* data, std::uint32_t length) {
    return ComputeChecksum(kChecksumStart, kChecksumBlock, data, length);
}

std::uint32_t HeaderChecksum(const std::uint8_t* header) {
    std::array<std::uint8_t, kConfigFileHeaderSize> copy;
    std::memcpy(copy.data(), header, copy.size());
    StoreBigEndian32(copy.data() + offset::kHeaderChecksum, 0);
    return Adler32(copy.data(), std::uint32_t(copy.size()));
}

} // namespace

int WriteConfigFile(const ConfigRecord& record, std::vector<std::uint8_t>& image) {
    try {
        std::vector<std::uint8_t> file(kConfigFileHeaderSize, 0);
        const int status =
            WriteElementSequence(record, OnPropertyFailure::Stop, [&](std::span<const std::uint8_t> element) {
                file.insert(file.end(), element.begin(), element.end());
                return 0;
            });
        if (status != 0) {
            return status;
        }
        const std::uint32_t bodyLength = std::uint32_t(file.size() - kConfigFileHeaderSize);
        std::memcpy(file.data(), kMagic, kMagicSize);
        StoreBigEndian32(file.data() + offset::kVersion, kFormatVersion);
        StoreBigEndian32(file.data() + offset::kBodyChecksum,
                         Adler32(file.data() + kConfigFileHeaderSize, bodyLength));
        StoreBigEndian32(file.data() + offset::kBodyLength, bodyLength);
        StoreBigEndian32(file.data() + offset::kElementCount, std::uint32_t(TransferList.size()));
        StoreBigEndian32(file.data() + offset::kHeaderChecksum, Adler32(file.data(), kConfigFileHeaderSize));
        image.swap(file);
        return 0;
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
}

int ReadConfigFile(ConfigRecord& record, std::size_t size, const std::uint8_t* bytes) {
    if (bytes == nullptr) {
        return kMalformedValue;
    }
    ByteReader file({bytes, size});
    std::span<const std::uint8_t> magic;
    std::uint32_t version = 0, headerChecksum = 0, bodyChecksum = 0, bodyLength = 0, count = 0;
    if (!file.ReadBytes(kMagicSize, magic) || !file.Read32(version) || !file.Read32(headerChecksum) ||
        !file.Read32(bodyChecksum) || !file.Read32(bodyLength) || !file.Read32(count) ||
        !file.Skip(kConfigFileHeaderSize - file.Offset())) {
        return kMalformedValue; // shorter than its header
    }
    if (std::memcmp(magic.data(), kMagic, kMagicSize) != 0) {
        return kBadMagic;
    }
    if (version != kFormatVersion) {
        return kUnsupportedVersion;
    }
    if (headerChecksum != HeaderChecksum(bytes)) {
        return kChecksumMismatch;
    }
    std::span<const std::uint8_t> body;
    if (!file.ReadBytes(bodyLength, body)) {
        return kMalformedValue;
    }
    if (bodyChecksum != Adler32(body.data(), bodyLength)) {
        return kChecksumMismatch;
    }

    // Filled in a copy that replaces the record only when the whole body was read: a file with an element
    // reaching past its body, or too big for the memory, changes nothing.
    try {
        ConfigRecord result = record;
        std::vector<std::uint8_t> value;
        ByteReader elements(body);
        for (std::uint32_t i = 0; i < count; ++i) {
            ElementHeader header;
            std::span<const std::uint8_t> bytesOfValue;
            if (!ReadElementHeader(elements, header) || !elements.ReadBytes(header.length, bytesOfValue)) {
                return kMalformedValue;
            }
            value.assign(bytesOfValue.begin(), bytesOfValue.end());
            // Unknown tags, wrong widths and malformed tables are skipped; lack of memory is not.
            if (ApplyElement(result, header, value) == kOutOfMemory) {
                return kOutOfMemory;
            }
        }
        record = std::move(result);
        return 0;
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
}

int GetFileSize(std::FILE* file, std::uint64_t* size) {
    if (file == nullptr || size == nullptr) {
        return kFileSizeUnavailable;
    }
    const off_t position = ftello(file);
    if (position < 0) {
        return kFileSizeUnavailable;
    }
    if (const int status = fseeko(file, 0, SEEK_END); status != 0) {
        return status;
    }
    const off_t end = ftello(file);
    if (const int status = fseeko(file, position, SEEK_SET); status != 0) {
        return status;
    }
    if (end < 0) {
        return kFileSizeUnavailable;
    }
    *size = std::uint64_t(end);
    return 0;
}

} // namespace corvane
