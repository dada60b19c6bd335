// SPDX-License-Identifier: Apache-2.0
#include "config/network_password.h"

#include "config/hex_text.h"
#include "config/md5.h"
#include "config/property_codec.h"
#include "config/status_codes.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <new>

namespace corvane {

namespace {

// Appended to a normal-text password before hashing; none of its bytes is zero.
constexpr std::array<std::uint8_t, 16> kDerivationSuffix = {'C', 'o', 'r', 'v', 'a', 'n', 'e', '-',
                                                            'W', 'E', 'P', '-', 'K', 'e', 'y', '!'};
static_assert(std::find(kDerivationSuffix.begin(), kDerivationSuffix.end(), 0) == kDerivationSuffix.end());

bool DecodeHexKey(std::string_view digits, std::size_t size, std::vector<std::uint8_t>& key) {
    std::vector<std::uint8_t> bytes(size);
    TextScan scan;
    if (!HexDecode(digits, bytes, &scan) || scan.count != size) {
        return false;
    }
    key.swap(bytes);
    return true;
}

} // namespace

std::size_t WepKeySize(std::uint32_t mode) {
    return mode == kWep128 ? kWep128KeySize : kWep40KeySize;
}

int DeriveWepKey(std::string_view text, bool is128Bit, std::uint8_t* key) {
    text = text.substr(0, text.find('\0'));
    const std::size_t length = text.size() + kDerivationSuffix.size();
    std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[length + 1]);
    if (!buffer) {
        return kKeyBufferUnavailable;
    }
    std::copy(text.begin(), text.end(), buffer.get());
    std::copy(kDerivationSuffix.begin(), kDerivationSuffix.end(), buffer.get() + text.size());
    buffer[length] = 0;

    Md5Context context;
    Md5Digest digest;
    Md5Init(context);
    Md5Update(context, buffer.get(), length);
    Md5Final(context, digest);
    // The context is all zero now: the next two rounds chain from that state, not from the standard one.
    for (int round = 0; round < 2; ++round) {
        const Md5Digest previous = digest;
        Md5Update(context, previous.data(), previous.size());
        Md5Final(context, digest);
    }
    std::copy_n(digest.begin(), is128Bit ? kWep128KeySize : kWep40KeySize, key);
    return 0;
}

bool ParseNetworkPassword(std::string_view password, std::uint32_t mode, std::vector<std::uint8_t>& key) {
    const std::size_t size = WepKeySize(mode);
    const std::size_t n = password.size();
    if (n == 0) {
        return false;
    }
    if (n == size + 2 && password.front() == '"' && password.back() == '"') {
        key.assign(password.begin() + 1, password.end() - 1);
        return true;
    }
    if (n == 2 * size + 1 && password[0] == '$') {
        return DecodeHexKey(password.substr(1), size, key);
    }
    if (n == 2 * size + 2 && password[0] == '0' && (password[1] == 'x' || password[1] == 'X')) {
        return DecodeHexKey(password.substr(2), size, key);
    }
    std::vector<std::uint8_t> derived(size);
    if (DeriveWepKey(password, size == kWep128KeySize, derived.data()) != 0) {
        return false;
    }
    key.swap(derived);
    return true;
}

std::vector<std::uint8_t> GetWepKey(const ConfigRecord& record) {
    std::vector<std::uint8_t> key = record.raWE;
    ReverseBytes(key.size(), key.data());
    return key;
}

void SetWepKey(ConfigRecord& record, std::span<const std::uint8_t> key) {
    record.raWE.assign(key.begin(), key.end());
    ReverseBytes(record.raWE.size(), record.raWE.data());
}

} // namespace corvane
