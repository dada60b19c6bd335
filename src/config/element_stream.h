// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"
#include "config/property_catalogue.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace corvane {

class ByteReader;

ElementHeader LoadElementHeader(const std::uint8_t* bytes);
// The next element header from `reader`; false, reading nothing, when fewer than kElementHeaderSize bytes are
// left.
bool ReadElementHeader(ByteReader& reader, ElementHeader& header);
void StoreElementHeader(std::uint8_t* bytes, const ElementHeader& header);

// Appends one element as it travels: big-endian header, then the value, scrambled when the flags say so.
void AppendElement(std::vector<std::uint8_t>& out, const ElementHeader& header,
                   std::span<const std::uint8_t> value);

// Descrambles the value in place when flagged and stores it; SetProperty's status is the caller's to ignore.
int ApplyElement(ConfigRecord& record, const ElementHeader& header, std::span<std::uint8_t> value);

// What the element sequence writer does with a property whose GetProperty fails.
enum class OnPropertyFailure { Stop, Skip };

// Receives one encoded element (header and value as they travel); a non-zero status ends the writing.
using ElementSink = std::function<int(std::span<const std::uint8_t> element)>;

// One element per transfer-list entry, in list order. Returns 0, the first failing GetProperty status (Stop),
// the first non-zero sink status, or kOutOfMemory.
int WriteElementSequence(const ConfigRecord& record, OnPropertyFailure onFailure, const ElementSink& sink);

// Reads exactly `length` bytes into `buffer`: 0, or a status that ends the reading.
using ByteSource = std::function<int(std::uint8_t* buffer, std::size_t length)>;

// A value longer than this from a base station is refused before anything is allocated: far above the largest
// real value (an access list of 10,000 clients is 400 KB).
constexpr std::uint32_t kMaxElementLength = 16u * 1024 * 1024;

// Receives one property element of a stream, its value as it travelled; a non-zero status ends the walk.
using ElementVisitor = std::function<int(const ElementHeader& header, std::span<std::uint8_t> value)>;

// Walks an element stream from `source` up to and including the end element (tag 0), handing every property
// element to `visit`. Status elements (tag 0 or ELEMENT_STATUS) carry exactly 4 bytes whatever their length
// says; they are read and passed over. Returns 0 at the end element, the source's or the visitor's first
// non-zero status, kMalformedValue for a value longer than maxLength, or kOutOfMemory.
int WalkElementStream(const ByteSource& source, std::uint32_t maxLength, const ElementVisitor& visit);

// Reads a base station's element stream into `record` (WalkElementStream). Properties read before a failure
// stay set; one this program cannot use is skipped.
int ReadElementStream(ConfigRecord& record, const ByteSource& source,
                      std::uint32_t maxLength = kMaxElementLength);

} // namespace corvane
