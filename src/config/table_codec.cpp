#include "config/table_codec.h"

#include "config/byte_order.h"
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
    if (tag != kAccessListTag && tag != kPortMapTag)
        return kUnknownProperty;
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
    if (tag != kAccessListTag && tag != kPortMapTag)
        return kUnknownProperty;
    if (length < kTableHeaderSize)
        return kMalformedValue;
    const std::uint64_t count = LoadBigEndian32(bytes + 4);
    // 64-bit arithmetic: 16 + count * 40 cannot overflow, and the check bounds the allocation by the input.
    if (std::uint64_t(length) < kTableHeaderSize + count * EntrySize(tag))
        return kMalformedValue;
    const std::uint8_t* entry = bytes + kTableHeaderSize;
    if (tag == kAccessListTag) {
        std::vector<AclEntry> table(count);
        for (AclEntry& acl : table) {
            std::memcpy(&acl, entry, kAclEntryWireSize);
            entry += kAclEntryWireSize;
        }
        record.acTa.swap(table);
    } else {
        std::vector<PortMapEntry> table(count);
        for (PortMapEntry& mapping : table) {
            mapping.privateAddress = LoadBigEndian32(entry);
            mapping.privatePort = LoadBigEndian16(entry + 4);
            mapping.publicPort = LoadBigEndian16(entry + 6);
            entry += kPortMapEntryWireSize;
        }
        record.pmTa.swap(table);
    }
    return 0;
}

} // namespace corvane
