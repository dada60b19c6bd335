// SPDX-License-Identifier: Apache-2.0
#include "config/byte_reader.h"

#include "config/byte_order.h"

namespace corvane {

bool ByteReader::Read32(std::uint32_t& value) {
    std::span<const std::uint8_t> bytes;
    if (!ReadBytes(4, bytes)) {
        return false;
    }
    value = LoadBigEndian32(bytes.data());
    return true;
}

bool ByteReader::Read16(std::uint16_t& value) {
    std::span<const std::uint8_t> bytes;
    if (!ReadBytes(2, bytes)) {
        return false;
    }
    value = LoadBigEndian16(bytes.data());
    return true;
}

bool ByteReader::ReadBytes(std::size_t count, std::span<const std::uint8_t>& bytes) {
    if (count > Left()) {
        return false;
    }
    bytes = bytes_.subspan(offset_, count);
    offset_ += count;
    return true;
}

bool ByteReader::Skip(std::size_t count) {
    std::span<const std::uint8_t> skipped;
    return ReadBytes(count, skipped);
}

} // namespace corvane
