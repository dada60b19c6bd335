// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/table_entries.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The access-control list file: tab-delimited text, one client a line, each line ended by CR LF on disk.

// One line per entry in list order: "%02X:%02X:%02X:%02X:%02X:%02X\t%s" and CR LF; nothing before or after.
// CR and LF inside a description are written as spaces.
std::string FormatAclListFile(std::span<const AclEntry> entries);

// The clients a file names, in file order and with repeated IDs kept: the caller stores them as added ones.
// The file is read as text in pieces of at most 127 characters, each piece a line of its own. Lines whose ID
// does not parse, and lines with nothing after the ID, are skipped; descriptions are cut to 33 characters.
std::vector<AclEntry> ParseAclListFile(std::string_view bytes);

} // namespace corvane
