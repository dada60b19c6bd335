#pragma once

namespace corvane {

// Status codes of the configuration model and its formats (0 is success). Other layers reuse some numbers
// with their own meaning.
constexpr int kOutOfMemory = -3;
constexpr int kChecksumMismatch = -6;
constexpr int kUnknownProperty = -10; // tag not in the catalogue, or a tag that is not a table
constexpr int kMalformedValue =
    -15; // wrong integer width, short table, element past the end, oversized element
constexpr int kUnsupportedVersion = -19;
constexpr int kBadMagic = -20;
constexpr int kFileSizeUnavailable = -6704;
constexpr int kKeyBufferUnavailable = -6731;

} // namespace corvane
