// SPDX-License-Identifier: Apache-2.0
#include "protocol/interface_broadcasts.h"

#include "protocol/socket_address.h"

#include <algorithm>
#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace corvane {

namespace {

constexpr std::uint32_t kLimitedBroadcast = 0xFFFFFFFF;
constexpr std::uint16_t kAnyPort = 9; // connecting a datagram socket needs one; nothing is sent

// The local address the limited broadcast leaves from, or 0 when no route takes it: connecting a datagram
// socket settles the route without sending anything.
std::uint32_t LimitedBroadcastSource() {
    const int handle = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (handle < 0) {
        return 0;
    }
    const int on = 1;
    const sockaddr_in target = InternetAddress(kLimitedBroadcast, kAnyPort);
    sockaddr_in local{};
    socklen_t size = sizeof local;
    const bool routed = setsockopt(handle, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) == 0 &&
                        connect(handle, reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0 &&
                        getsockname(handle, reinterpret_cast<sockaddr*>(&local), &size) == 0;
    close(handle);
    return routed ? ntohl(local.sin_addr.s_addr) : 0;
}

std::uint32_t AddressOf(const sockaddr* address) {
    return ntohl(reinterpret_cast<const sockaddr_in*>(address)->sin_addr.s_addr);
}

bool HasDirectedBroadcast(const ifaddrs& entry) {
    constexpr unsigned kWanted = IFF_UP | IFF_BROADCAST;
    return entry.ifa_addr != nullptr && entry.ifa_addr->sa_family == AF_INET &&
           entry.ifa_broadaddr != nullptr && (entry.ifa_flags & kWanted) == kWanted &&
           (entry.ifa_flags & IFF_LOOPBACK) == 0;
}

} // namespace

std::vector<std::uint32_t> InterfaceBroadcastAddresses() {
    std::vector<std::uint32_t> addresses;
    ifaddrs* list = nullptr;
    if (getifaddrs(&list) != 0) {
        return addresses;
    }
    const std::uint32_t reached = LimitedBroadcastSource();
    for (const ifaddrs* entry = list; entry != nullptr; entry = entry->ifa_next) {
        if (!HasDirectedBroadcast(*entry) || AddressOf(entry->ifa_addr) == reached) {
            continue;
        }
        const std::uint32_t broadcast = AddressOf(entry->ifa_broadaddr);
        if (broadcast != 0 && broadcast != kLimitedBroadcast &&
            std::find(addresses.begin(), addresses.end(), broadcast) == addresses.end()) {
            addresses.push_back(broadcast);
        }
    }
    freeifaddrs(list);
    return addresses;
}

} // namespace corvane
