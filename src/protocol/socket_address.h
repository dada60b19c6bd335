// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>
#include <netinet/in.h>

namespace corvane {

// A POSIX IPv4 socket address from a host-order address and port.
inline sockaddr_in InternetAddress(std::uint32_t address, std::uint16_t port) {
    sockaddr_in result{};
    result.sin_family = AF_INET;
    result.sin_addr.s_addr = htonl(address);
    result.sin_port = htons(port);
    return result;
}

} // namespace corvane
