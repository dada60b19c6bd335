#include "config/config_file.h"

#include "config/byte_order.h"
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
        if (status != 0)
            return status;
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
    if (size < kConfigFileHeaderSize || bytes == nullptr)
        return kMalformedValue;
    if (std::memcmp(bytes, kMagic, kMagicSize) != 0)
        return kBadMagic;
    if (LoadBigEndian32(bytes + offset::kVersion) != kFormatVersion)
        return kUnsupportedVersion;
    if (LoadBigEndian32(bytes + offset::kHeaderChecksum) != HeaderChecksum(bytes))
        return kChecksumMismatch;
    const std::uint32_t bodyLength = LoadBigEndian32(bytes + offset::kBodyLength);
    if (bodyLength > size - kConfigFileHeaderSize)
        return kMalformedValue;
    const std::uint8_t* body = bytes + kConfigFileHeaderSize;
    if (LoadBigEndian32(bytes + offset::kBodyChecksum) != Adler32(body, bodyLength))
        return kChecksumMismatch;

    // Filled in a copy that replaces the record only when the whole body was read: a file with an element
    // reaching past its body, or too big for the memory, changes nothing.
    try {
        ConfigRecord result = record;
        std::vector<std::uint8_t> value;
        const std::uint32_t count = LoadBigEndian32(bytes + offset::kElementCount);
        std::size_t position = 0;
        for (std::uint32_t i = 0; i < count; ++i) {
            if (bodyLength - position < kElementHeaderSize)
                return kMalformedValue;
            const ElementHeader header = LoadElementHeader(body + position);
            position += kElementHeaderSize;
            if (header.length > bodyLength - position)
                return kMalformedValue;
            value.assign(body + position, body + position + header.length);
            position += header.length;
            // Unknown tags, wrong widths and malformed tables are skipped; lack of memory is not.
            if (ApplyElement(result, header, value) == kOutOfMemory)
                return kOutOfMemory;
        }
        record = std::move(result);
        return 0;
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
}

int GetFileSize(std::FILE* file, std::uint64_t* size) {
    if (file == nullptr || size == nullptr)
        return kFileSizeUnavailable;
    const off_t position = ftello(file);
    if (position < 0)
        return kFileSizeUnavailable;
    if (const int status = fseeko(file, 0, SEEK_END); status != 0)
        return status;
    const off_t end = ftello(file);
    if (const int status = fseeko(file, position, SEEK_SET); status != 0)
        return status;
    if (end < 0)
        return kFileSizeUnavailable;
    *size = std::uint64_t(end);
    return 0;
}

} // namespace corvane
