// SPDX-License-Identifier: Apache-2.0
#include "config/acl_list_file.h"

#include "config/hex_text.h"
#include "config/table_editing.h"

namespace corvane {
namespace {

// A line as a fixed 128-character line buffer reads it: up to and including its line feed, at most 127.
constexpr std::size_t kPieceSize = 127;

// Text-mode reading: every CR LF pair becomes a single line feed; any other byte stays.
std::string TextModeContent(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) {
            text += bytes[i];
        }
    }
    return text;
}

// The next piece of `text` from `at`; a zero byte ends the piece's text, as it ends a C string.
std::string_view NextPiece(std::string_view text, std::size_t& at) {
    std::size_t end = at;
    while (end < text.size() && end - at < kPieceSize && text[end++] != '\n') {
    }
    std::string_view piece = text.substr(at, end - at);
    at = end;
    return piece.substr(0, piece.find('\0'));
}

} // namespace

std::string FormatAclListFile(std::span<const AclEntry> entries) {
    std::string text;
    text.reserve(entries.size() * 56);
    for (const AclEntry& entry : entries) {
        text += FormatMacAddress(entry.corvaneId);
        text += '\t';
        // A line break inside a description (a station may send one) would start a line of its own.
        for (const char c : AclDescription(entry)) {
            text += c == '\n' || c == '\r' ? ' ' : c;
        }
        text += "\r\n";
    }
    return text;
}

std::vector<AclEntry> ParseAclListFile(std::string_view bytes) {
    const std::string text = TextModeContent(bytes);
    std::vector<AclEntry> entries;
    for (std::size_t at = 0; at < text.size();) {
        const std::string_view line = NextPiece(text, at);
        MacAddress id;
        TextScan scan;
        if (!ParseMacAddress(line, id, &scan)) {
            continue;
        }
        std::string_view rest = line.substr(scan.stop);
        if (rest.empty()) {
            continue;
        }
        if (rest.front() == '\t') {
            rest.remove_prefix(1);
        }
        while (!rest.empty() && rest.back() == '\n') {
            rest.remove_suffix(1);
        }
        entries.push_back(MakeAclEntry(id, rest));
    }
    return entries;
}

} // namespace corvane
