// SPDX-License-Identifier: Apache-2.0
#include "strings/message_format.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

namespace corvane {
namespace {

struct Conversion {
    bool leftAlign = false;
    bool zeroPad = false;
    std::size_t width = 0;
    char type = 0;
};

std::string Digits(std::uint64_t value, int base, bool upper) {
    char buffer[24];
    auto [end, ec] = std::to_chars(std::begin(buffer), std::end(buffer), value, base);
    std::string text(buffer, end);
    if (upper) {
        for (char& c : text) {
            if (c >= 'a' && c <= 'f') {
                c = static_cast<char>(c - 'a' + 'A');
            }
        }
    }
    return text;
}

std::string Convert(const Conversion& conversion, const FormatArg* arg) {
    if (arg == nullptr) {
        return {};
    }
    if (const auto* text = std::get_if<std::string_view>(arg)) {
        return conversion.type == 's' ? std::string(*text) : std::string("0");
    }
    const auto* signedArg = std::get_if<std::int64_t>(arg);
    const bool negative = signedArg != nullptr && *signedArg < 0;
    const std::uint64_t bits =
        signedArg != nullptr ? static_cast<std::uint64_t>(*signedArg) : std::get<std::uint64_t>(*arg);
    switch (conversion.type) {
    case 'x':
    case 'X':
        return Digits(bits, 16, conversion.type == 'X');
    case 'u':
        return Digits(bits, 10, false);
    default: // d, i, and a number given for s
        return negative ? "-" + Digits(0 - bits, 10, false) : Digits(bits, 10, false);
    }
}

void Pad(std::string& out, std::string text, const Conversion& conversion) {
    if (text.size() >= conversion.width) {
        out += text;
    } else if (conversion.leftAlign) {
        out += text;
        out.append(conversion.width - text.size(), ' ');
    } else if (conversion.zeroPad && conversion.type != 's') {
        const std::size_t sign = !text.empty() && text.front() == '-' ? 1 : 0;
        text.insert(sign, conversion.width - text.size(), '0');
        out += text;
    } else {
        out.append(conversion.width - text.size(), ' ');
        out += text;
    }
}

} // namespace

std::string FormatMessage(std::string_view format, std::initializer_list<FormatArg> args) {
    std::string out;
    auto nextArg = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        const std::size_t start = i++;
        Conversion conversion;
        for (; i < format.size() && (format[i] == '-' || format[i] == '0'); ++i) {
            (format[i] == '-' ? conversion.leftAlign : conversion.zeroPad) = true;
        }
        for (; i < format.size() && format[i] >= '0' && format[i] <= '9'; ++i) {
            conversion.width = std::min<std::size_t>(
                conversion.width * 10 + static_cast<std::size_t>(format[i] - '0'), 4096);
        }
        while (i < format.size() && (format[i] == 'l' || format[i] == 'h')) {
            ++i;
        }
        if (i >= format.size()) {
            out.append(format.substr(start));
            break;
        }
        conversion.type = format[i];
        if (conversion.type == '%') {
            out += '%';
            continue;
        }
        if (std::string_view("diuxXs").find(conversion.type) == std::string_view::npos) {
            out.append(format.substr(start, i - start + 1));
            continue;
        }
        const FormatArg* arg = nextArg != args.end() ? &*nextArg++ : nullptr;
        Pad(out, Convert(conversion, arg), conversion);
    }
    return out;
}

} // namespace corvane
