// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace corvane {

// Reads bytes and big-endian numbers from the front of a span to its back. A read that would pass the end
// reads nothing, leaves the reader where it was and returns false, so a parser's bounds are checked in one
// place.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t Offset() const { return offset_; }
    std::size_t Left() const { return bytes_.size() - offset_; }

    bool Read32(std::uint32_t& value);
    bool Read16(std::uint16_t& value);
    // The next `count` bytes, still inside the span.
    bool ReadBytes(std::size_t count, std::span<const std::uint8_t>& bytes);
    bool Skip(std::size_t count);

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t offset_ = 0;
};

} // namespace corvane
