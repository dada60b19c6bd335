// SPDX-License-Identifier: Apache-2.0
#include "protocol/host_resolution.h"

#include "config/status_codes.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <memory>
#include <netdb.h>
#include <string>
#include <unistd.h>

namespace corvane {

namespace {

constexpr std::size_t kMaxHostName = 255;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A failed lookup as a positive system error number.
int LookupError(int code) {
    if (code == EAI_SYSTEM) {
        return errno > 0 ? errno : socket_status::kSystemFailure;
    }
    return code < 0 ? -code : code;
}

// The four numbers at the start of `p`: where they end, or null.
const char* ScanDottedQuad(const char* p, const char* end, std::uint32_t& address) {
    std::uint32_t assembled = 0;
    for (int part = 0; part < 4; ++part) {
        if (part > 0 && (p == end || *p++ != '.')) {
            return nullptr;
        }
        if (p == end || !IsDigit(*p)) {
            return nullptr;
        }
        std::uint32_t number = 0;
        for (; p != end && IsDigit(*p); ++p) {
            number = number * 10 + std::uint32_t(*p - '0');
            if (number > 255) {
                return nullptr;
            }
        }
        assembled = (assembled << 8) | number;
    }
    address = assembled;
    return p;
}

} // namespace

bool ParseWholeDottedQuad(std::string_view text, bool allowPort, std::uint32_t& address,
                          std::uint16_t& port) {
    const char* const end = text.data() + text.size();
    std::uint32_t assembled = 0;
    const char* p = ScanDottedQuad(text.data(), end, assembled);
    if (p == nullptr) {
        return false;
    }
    std::uint32_t parsedPort = 0;
    if (p != end && *p == ':' && allowPort) {
        const char* const digits = ++p;
        for (; p != end && IsDigit(*p) && p - digits < 5; ++p) {
            parsedPort = parsedPort * 10 + std::uint32_t(*p - '0');
        }
        if (p == digits || parsedPort == 0 || parsedPort > 65535) {
            return false;
        }
    }
    if (p != end) {
        return false;
    }
    address = assembled;
    port = std::uint16_t(parsedPort);
    return true;
}

bool ParseDottedQuad(const char* text, std::uint32_t& address, std::uint16_t& port) {
    std::uint32_t assembled = 0;
    const char* p = ScanDottedQuad(text, text + std::strlen(text), assembled);
    if (p == nullptr) {
        return false;
    }
    std::uint16_t parsedPort = 0;
    if (*p == ':') {
        for (++p; IsDigit(*p); ++p) {
            parsedPort = std::uint16_t(parsedPort * 10 + (*p - '0'));
        }
    }
    address = assembled;
    port = parsedPort;
    return true;
}

int LookupHostByName(const char* name, std::uint32_t index, std::uint32_t* address) {
    if (name == nullptr || address == nullptr) {
        return socket_status::kBadArgument;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM; // one entry per address, not one per socket type
    addrinfo* found = nullptr;
    if (const int code = getaddrinfo(name, nullptr, &hints, &found); code != 0) {
        return LookupError(code);
    }
    const std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> owner(found, &freeaddrinfo);
    const addrinfo* entry = found;
    for (std::uint32_t i = 0; entry != nullptr && i < index; ++i) {
        entry = entry->ai_next;
    }
    if (entry == nullptr) {
        return socket_status::kNoAddressAtPosition;
    }
    *address = ntohl(reinterpret_cast<const sockaddr_in*>(entry->ai_addr)->sin_addr.s_addr);
    return 0;
}

int GetLocalHostAddress(std::uint32_t index, std::uint32_t* address) {
    char name[kMaxHostName + 1] = {};
    if (gethostname(name, kMaxHostName) != 0) {
        return socket_status::kSystemFailure;
    }
    return LookupHostByName(name, index, address);
}

int ResolveHost(NetSocket* /*socket*/, const char* host, std::uint32_t reserved, std::int32_t /*timeoutMs*/,
                AddressRecord* out, std::uint16_t* port) {
    if (reserved != 0 || out == nullptr || port == nullptr) {
        return socket_status::kBadArgument;
    }
    std::uint32_t address = 0;
    std::uint16_t parsedPort = 0;
    int status = 0;
    if (host == nullptr || *host == '\0') {
        status = GetLocalHostAddress(0, &address);
    } else if (!ParseDottedQuad(host, address, parsedPort)) {
        // A name: a ":port" suffix is dropped and its port ignored.
        const char* colon = std::strrchr(host, ':');
        const std::size_t length = colon != nullptr ? std::size_t(colon - host) : std::strlen(host);
        if (length > kMaxHostName) {
            return socket_status::kBadArgument;
        }
        status = LookupHostByName(std::string(host, length).c_str(), 0, &address);
    }
    if (status != 0) {
        return status;
    }
    out->kind = kAddressKindIPv4;
    out->address = address;
    *port = parsedPort;
    return 0;
}

} // namespace corvane
