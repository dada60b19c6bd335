// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::sim {

// Replaces `path` with `bytes` as a whole: written to a temporary file of a unique name beside it, flushed,
// then renamed over it, so a crash at any moment leaves either the old or the new file. A new file is
// owner-only; an existing one keeps its permissions. False with errno's text in `error` on failure.
bool ReplaceFileAtomically(const std::string& path, const std::vector<std::uint8_t>& bytes,
                           std::string& error);

// Creates the state directory owner-only if it is missing; refuses one that is not a directory or belongs to
// another user. False with the reason.
bool PrepareStateDirectory(const std::string& path, std::string& error);

enum class LoadResult { Loaded, Missing, Failed };

// Reads a station's configuration file into `record` (which keeps what the file does not name).
LoadResult LoadStationConfiguration(const std::string& path, ConfigRecord& record, std::string& error);

// Writes the record as a configuration file, atomically.
bool SaveStationConfiguration(const std::string& path, const ConfigRecord& record, std::string& error);

} // namespace corvane::sim
