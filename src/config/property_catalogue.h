// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"
#include "config/property_tag.h"
#include "config/status_codes.h"

#include <array>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace corvane {

enum class PropertyKind : std::uint32_t { Text = 1, Bytes = 2, Integer = 3, Table = 4 };

// Where a property lives in the record; tables have no field of their own (the table codec reaches them).
using PropertyField =
    std::variant<std::monostate, std::string ConfigRecord::*, std::vector<std::uint8_t> ConfigRecord::*,
                 std::uint8_t ConfigRecord::*, std::uint16_t ConfigRecord::*, std::uint32_t ConfigRecord::*>;

// A property's place in the transfer list, or kNotTransferred for the two that are only ever received.
constexpr int kNotTransferred = -1;

// Everything the programs know about one property: the codecs, the transfer list, the file format and the
// command-line tool's views all read this one table.
struct PropertyDescriptor {
    PropertyTag tag;
    PropertyKind kind;
    std::uint32_t width; // 1, 2 or 4 for Integer, else 0
    PropertyField field;
    int transferOrder; // place in the transfer list, or kNotTransferred
    bool scrambled;    // scrambled on the wire and in files
    const char* label; // what it is, for people
    bool secret;       // a password, key or shared secret: masked unless the user asks to see it
    bool address;      // an Integer holding an IPv4 address in host order
};

// 62 rows in record order, then the end row with tag 0.
constexpr std::size_t kPropertyCount = 62;
extern const std::array<PropertyDescriptor, kPropertyCount + 1> PropertyCatalogue;

// Flags of an element header.
constexpr std::uint32_t ELEMENT_STATUS = 1;
constexpr std::uint32_t ELEMENT_SCRAMBLED = 2;

// The 12 bytes in front of every property value; host order here, big-endian on the wire and in files.
// A transfer-list entry has the same layout (length 0), so the list travels unchanged as a read request.
struct ElementHeader {
    PropertyTag tag = 0;
    std::uint32_t flags = 0;
    std::uint32_t length = 0;

    friend bool operator==(const ElementHeader&, const ElementHeader&) = default;
};
constexpr std::size_t kElementHeaderSize = 12;

// The 60 properties exchanged with base stations and stored in files, in wire order, made from the
// catalogue's transfer order and scrambled flags.
constexpr std::size_t kTransferCount = 60;
extern const std::array<ElementHeader, kTransferCount> TransferList;

// 0 and the row, or kUnknownProperty (tag 0 is never found).
int FindProperty(PropertyTag tag, const PropertyDescriptor*& row);

} // namespace corvane
