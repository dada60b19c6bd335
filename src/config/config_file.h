// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace corvane {

// A configuration file: a 128-byte header (magic "TSSL-CV-CNFG-HDR", version, checksums, body length, element
// count; big-endian) and the 60 transfer-list elements.
constexpr std::size_t kConfigFileHeaderSize = 128;

// The complete file image: 0, or the first failing GetProperty status / kOutOfMemory with `image` unchanged.
int WriteConfigFile(const ConfigRecord& record, std::vector<std::uint8_t>& image);

// Checks the whole image, then fills the record: 0, kBadMagic, kUnsupportedVersion, kChecksumMismatch,
// kMalformedValue (short file, body past the end, an element reaching past the body) or kOutOfMemory. A
// rejected file leaves the record untouched.
int ReadConfigFile(ConfigRecord& record, std::size_t size, const std::uint8_t* bytes);

// Size of an open file, keeping its position: 0, kFileSizeUnavailable, or the failing seek's status.
int GetFileSize(std::FILE* file, std::uint64_t* size);

} // namespace corvane
