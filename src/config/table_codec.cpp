// SPDX-License-Identifier: Apache-2.0
#include "config/table_codec.h"

#include "config/byte_order.h"
#include "config/byte_reader.h"
#include "config/status_codes.h"

#include <cstring>

namespace corvane {

namespace {

static_assert(sizeof(AclEntry) == kAclEntryWireSize);

std::size_t EntrySize(PropertyTag tag) {
    return tag == kAccessListTag ? kAclEntryWireSize : kPortMapEntryWireSize;
}

std::size_t EntryCount(const ConfigRecord& record, PropertyTag tag) {
    return tag == kAccessListTag ? record.acTa.size() : record.pmTa.size();
}

} // namespace

int EncodeTable(const ConfigRecord& record, PropertyTag tag, std::vector<std::uint8_t>& out) {
    if (tag != kAccessListTag && tag != kPortMapTag) {
        return kUnknownProperty;
    }
    const std::size_t count = EntryCount(record, tag);
    std::vector<std::uint8_t> bytes(kTableHeaderSize + count * EntrySize(tag), 0);
    StoreBigEndian32(bytes.data() + 4, std::uint32_t(count));
    std::uint8_t* entry = bytes.data() + kTableHeaderSize;
    if (tag == kAccessListTag) {
        for (const AclEntry& acl : record.acTa) {
            std::memcpy(entry, &acl, kAclEntryWireSize);
            entry += kAclEntryWireSize;
        }
    } else {
        for (const PortMapEntry& mapping : record.pmTa) {
            StoreBigEndian32(entry, mapping.privateAddress);
            StoreBigEndian16(entry + 4, mapping.privatePort);
            StoreBigEndian16(entry + 6, mapping.publicPort);
            entry += kPortMapEntryWireSize;
        }
    }
    out.swap(bytes);
    return 0;
}

int DecodeTable(ConfigRecord& record, PropertyTag tag, std::uint32_t length, const std::uint8_t* bytes) {
    if (tag != kAccessListTag && tag != kPortMapTag) {
        return kUnknownProperty;
    }
    ByteReader reader({bytes, length});
    std::uint32_t count = 0;
    if (!reader.Skip(4) || !reader.Read32(count) || !reader.Skip(kTableHeaderSize - 8)) {
        return kMalformedValue;
    }
    // Every entry must be there before the table is allocated, which bounds the allocation by the input.
    if (std::uint64_t(count) * EntrySize(tag) > reader.Left()) {
        return kMalformedValue;
    }
    // The check above leaves every read below inside the value.
    if (tag == kAccessListTag) {
        std::vector<AclEntry> table(count);
        for (AclEntry& acl : table) {
            std::span<const std::uint8_t> entry;
            reader.ReadBytes(kAclEntryWireSize, entry);
            std::memcpy(&acl, entry.data(), kAclEntryWireSize);
        }
        record.acTa.swap(table);
    } else {
        std::vector<PortMapEntry> table(count);
        for (PortMapEntry& mapping : table) {
            reader.Read32(mapping.privateAddress);
            reader.Read16(mapping.privatePort);
            reader.Read16(mapping.publicPort);
        }
        record.pmTa.swap(table);
    }
    return 0;
}

} // namespace corvane
