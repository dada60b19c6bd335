// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace corvane {

// One argument of a string-table format: a signed or unsigned number, or text.
using FormatArg = std::variant<std::int64_t, std::uint64_t, std::string_view>;

// Formats a printf-style format from the string table without trusting it: %d %i %u %x %X %s and %% with
// optional '-' / '0' flags, width and 'l' / 'll' / 'h' size letters. A missing argument prints nothing and an
// argument of the wrong kind is converted, so a table text never reads past its arguments.
std::string FormatMessage(std::string_view format, std::initializer_list<FormatArg> args);

template <typename T> FormatArg MakeFormatArg(const T& value) {
    if constexpr (std::is_convertible_v<const T&, std::string_view>) {
        return std::string_view(value);
    } else if constexpr (std::is_signed_v<T>) {
        return static_cast<std::int64_t>(value);
    } else {
        return static_cast<std::uint64_t>(value);
    }
}

template <typename... Args> std::string FormatResourceText(std::string_view format, const Args&... args) {
    return FormatMessage(format, {MakeFormatArg(args)...});
}

} // namespace corvane
