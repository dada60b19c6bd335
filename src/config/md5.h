// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace corvane {

// The MD5 message digest (RFC 1321).
using Md5Digest = std::array<std::uint8_t, 16>;

struct Md5Context {
    std::uint32_t state[4];
    std::uint64_t count; // bytes added so far
    std::uint8_t buffer[64];
};

void Md5Init(Md5Context& context);
void Md5Update(Md5Context& context, const void* data, std::size_t length);
// Writes the digest, then sets every byte of the context to zero; the key derivation goes on from that state.
void Md5Final(Md5Context& context, Md5Digest& digest);

} // namespace corvane
