// SPDX-License-Identifier: Apache-2.0
#include "config/property_codec.h"

#include "config/byte_order.h"
#include "config/property_catalogue.h"
#include "config/status_codes.h"
#include "config/table_codec.h"

#include <algorithm>
#include <new>

namespace corvane {

namespace {

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

int Encode(const ConfigRecord& record, const PropertyDescriptor& row, std::vector<std::uint8_t>& out) {
    if (row.kind == PropertyKind::Table) {
        return EncodeTable(record, row.tag, out);
    }
    return std::visit(Overloaded{
                          [](std::monostate) { return kUnknownProperty; },
                          [&](std::string ConfigRecord::*text) {
                              const std::string& value = record.*text;
                              out.assign(value.begin(), value.end());
                              return 0;
                          },
                          [&](std::vector<std::uint8_t> ConfigRecord::*array) {
                              out = record.*array;
                              ReverseBytes(out.size(), out.data());
                              return 0;
                          },
                          [&](auto ConfigRecord::*integer) {
                              const std::uint32_t value = record.*integer;
                              std::vector<std::uint8_t> bytes(row.width);
                              for (std::size_t i = 0; i < bytes.size(); ++i) {
                                  bytes[i] = std::uint8_t(value >> (8 * (bytes.size() - 1 - i)));
                              }
                              out.swap(bytes);
                              return 0;
                          },
                      },
                      row.field);
}

int Decode(ConfigRecord& record, const PropertyDescriptor& row, std::uint32_t length,
           const std::uint8_t* bytes) {
    if (row.kind == PropertyKind::Table) {
        return DecodeTable(record, row.tag, length, bytes);
    }
    return std::visit(Overloaded{
                          [](std::monostate) { return kUnknownProperty; },
                          [&](std::string ConfigRecord::*text) {
                              (record.*text).assign(reinterpret_cast<const char*>(bytes), length);
                              return 0;
                          },
                          [&](std::vector<std::uint8_t> ConfigRecord::*array) {
                              std::vector<std::uint8_t> value(bytes, bytes + length);
                              ReverseBytes(value.size(), value.data());
                              (record.*array).swap(value);
                              return 0;
                          },
                          [&]<class T>(T ConfigRecord::*integer) {
                              if (length != sizeof(T) || length != row.width) {
                                  return kMalformedValue;
                              }
                              std::uint32_t value = 0;
                              for (std::uint32_t i = 0; i < length; ++i) {
                                  value = (value << 8) | bytes[i];
                              }
                              record.*integer = T(value);
                              return 0;
                          },
                      },
                      row.field);
}

} // namespace

int GetProperty(const ConfigRecord& record, PropertyTag tag, std::vector<std::uint8_t>& out) {
    const PropertyDescriptor* row = nullptr;
    if (FindProperty(tag, row) != 0) {
        return kUnknownProperty;
    }
    try {
        return Encode(record, *row, out);
    } catch (...) {
        return kOutOfMemory;
    }
}

int SetProperty(ConfigRecord& record, PropertyTag tag, std::uint32_t length, const std::uint8_t* bytes) {
    const PropertyDescriptor* row = nullptr;
    if (FindProperty(tag, row) != 0) {
        return kUnknownProperty;
    }
    if (length > 0 && bytes == nullptr) {
        return kMalformedValue;
    }
    try {
        return Decode(record, *row, length, bytes);
    } catch (...) {
        return kOutOfMemory;
    }
}

void ReverseBytes(std::size_t count, std::uint8_t* bytes) {
    if (count > 1) {
        std::reverse(bytes, bytes + count);
    }
}

} // namespace corvane
