#pragma once

#include <cstdint>
#include <span>

namespace corvane {

// Status codes of the default software image.
namespace software_status {
constexpr int kDefaultImageMissing = -6732;
constexpr int kDefaultImageEmpty = -6736;
} // namespace software_status

// The default software image among the program's own resources, never copied: 0, kDefaultImageMissing or
// kDefaultImageEmpty.
int DefaultSoftwareImage(std::span<const std::uint8_t>& image);

} // namespace corvane
