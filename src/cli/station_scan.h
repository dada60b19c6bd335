// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/command_line.h"
#include "config/config_record.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace corvane::cli {

// Where one scan sends its request: --target ADDR[:PORT], else 255.255.255.255:192.
struct ScanTarget {
    std::string address;
    std::uint16_t port = 0;
};

// False with a message when --target is not a dotted quad with an optional port.
bool ParseScanTarget(const CommandLine& arguments, ScanTarget& target, QString& error);

// One scan: every station that answered, once per WAN MAC address and station address (as the chooser lists
// them), in address order. 0, or the status of a discovery that could not start.
int ScanStations(const ScanTarget& target, std::vector<std::unique_ptr<ConfigRecord>>& stations);

} // namespace corvane::cli
