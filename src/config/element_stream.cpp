// SPDX-License-Identifier: Apache-2.0
#include "config/element_stream.h"

#include "config/byte_order.h"
#include "config/byte_reader.h"
#include "config/property_codec.h"
#include "config/scrambling.h"
#include "config/status_codes.h"

#include <algorithm>
#include <new>

namespace corvane {

ElementHeader LoadElementHeader(const std::uint8_t* bytes) {
    return {LoadBigEndian32(bytes), LoadBigEndian32(bytes + 4), LoadBigEndian32(bytes + 8)};
}

bool ReadElementHeader(ByteReader& reader, ElementHeader& header) {
    std::span<const std::uint8_t> bytes;
    if (!reader.ReadBytes(kElementHeaderSize, bytes)) {
        return false;
    }
    header = LoadElementHeader(bytes.data());
    return true;
}

void StoreElementHeader(std::uint8_t* bytes, const ElementHeader& header) {
    StoreBigEndian32(bytes, header.tag);
    StoreBigEndian32(bytes + 4, header.flags);
    StoreBigEndian32(bytes + 8, header.length);
}

void AppendElement(std::vector<std::uint8_t>& out, const ElementHeader& header,
                   std::span<const std::uint8_t> value) {
    const std::size_t start = out.size();
    out.resize(start + kElementHeaderSize + value.size());
    StoreElementHeader(out.data() + start, header);
    std::uint8_t* copy = out.data() + start + kElementHeaderSize;
    std::copy(value.begin(), value.end(), copy);
    if (header.flags & ELEMENT_SCRAMBLED) {
        ScrambleBytes(std::uint32_t(value.size()), copy);
    }
}

int ApplyElement(ConfigRecord& record, const ElementHeader& header, std::span<std::uint8_t> value) {
    if (header.flags & ELEMENT_SCRAMBLED) {
        ScrambleBytes(std::uint32_t(value.size()), value.data());
    }
    return SetProperty(record, header.tag, std::uint32_t(value.size()), value.data());
}

int WriteElementSequence(const ConfigRecord& record, OnPropertyFailure onFailure, const ElementSink& sink) {
    try {
        std::vector<std::uint8_t> value;
        std::vector<std::uint8_t> element;
        for (const ElementHeader& entry : TransferList) {
            const int status = GetProperty(record, entry.tag, value);
            if (status != 0) {
                if (onFailure == OnPropertyFailure::Stop) {
                    return status;
                }
                continue;
            }
            element.clear();
            AppendElement(element, {entry.tag, entry.flags, std::uint32_t(value.size())}, value);
            if (const int sent = sink(element); sent != 0) {
                return sent;
            }
        }
        return 0;
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
}

int WalkElementStream(const ByteSource& source, std::uint32_t maxLength, const ElementVisitor& visit) {
    constexpr std::size_t kStatusCodeSize = 4;
    try {
        std::vector<std::uint8_t> value;
        for (;;) {
            std::uint8_t raw[kElementHeaderSize];
            if (const int status = source(raw, sizeof raw); status != 0) {
                return status;
            }
            const ElementHeader header = LoadElementHeader(raw);
            if (header.tag == 0 || (header.flags & ELEMENT_STATUS)) {
                std::uint8_t code[kStatusCodeSize];
                if (const int status = source(code, sizeof code); status != 0) {
                    return status;
                }
                if (header.tag == 0) {
                    return 0;
                }
                continue;
            }
            if (header.length > maxLength) {
                return kMalformedValue;
            }
            value.assign(header.length, 0);
            if (const int status = value.empty() ? 0 : source(value.data(), value.size()); status != 0) {
                return status;
            }
            if (const int status = visit(header, value); status != 0) {
                return status;
            }
        }
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
}

int ReadElementStream(ConfigRecord& record, const ByteSource& source, std::uint32_t maxLength) {
    return WalkElementStream(
        source, maxLength, [&record](const ElementHeader& header, std::span<std::uint8_t> value) {
            // A property this program cannot use is skipped; one that did not fit in memory ends the reading.
            return ApplyElement(record, header, value) == kOutOfMemory ? kOutOfMemory : 0;
        });
}

} // namespace corvane
