// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli_io.h"

#include <QString>
#include <optional>
#include <string>

namespace corvane::cli {

// A secret from --password-file (its first line; "-" is standard input), from a terminal with echo off, or
// from the first line of standard input: never from the command line or the environment. nullopt with a
// message in `error`.
std::optional<std::string> ReadSecret(CliIo& io, const QString& passwordFile, const QString& prompt,
                                      QString& error);

} // namespace corvane::cli
