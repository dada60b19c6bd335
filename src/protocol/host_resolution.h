// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>
#include <string_view>

namespace corvane {

struct NetSocket;

constexpr std::uint32_t kAddressKindIPv4 = 1;

// An IPv4 address in host order, as resolution and datagram receipt report it.
struct AddressRecord {
    std::uint32_t kind = 0;
    std::uint32_t address = 0;
};

// True for four decimal numbers of at most 255 with an optional ":port"; the port is 0 when none is given.
// Host resolution reads leniently: whatever follows is ignored.
bool ParseDottedQuad(const char* text, std::uint32_t& address, std::uint16_t& port);
// An address a person typed is read whole: the four numbers and, when `allowPort`, an optional ":port" of 1
// to 65535 must be all of `text`.
bool ParseWholeDottedQuad(std::string_view text, bool allowPort, std::uint32_t& address, std::uint16_t& port);
// Host text to address and port: empty → this computer, dotted quad (with its port), else a name (port 0).
int ResolveHost(NetSocket* socket, const char* host, std::uint32_t reserved, std::int32_t timeoutMs,
                AddressRecord* out, std::uint16_t* port);
// The address at position `index` of this computer's host name.
int GetLocalHostAddress(std::uint32_t index, std::uint32_t* address);
// The IPv4 address at position `index` of `name`; kNoAddressAtPosition when it has fewer.
int LookupHostByName(const char* name, std::uint32_t index, std::uint32_t* address);

} // namespace corvane
