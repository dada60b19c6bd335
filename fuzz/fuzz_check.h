// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdio>
#include <cstdlib>

// A broken round trip is a finding: report it and abort, so that libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (0)

#include "config/config_file.h"

#include <cstdint>
#include <vector>

// A record written to a file, read into a fresh record and written again gives the same image.
inline void CheckFileRoundTrip(const corvane::ConfigRecord& record) {
    std::vector<std::uint8_t> first, second;
    FUZZ_CHECK(corvane::WriteConfigFile(record, first) == 0);
    corvane::ConfigRecord again;
    FUZZ_CHECK(corvane::ReadConfigFile(again, first.size(), first.data()) == 0);
    FUZZ_CHECK(corvane::WriteConfigFile(again, second) == 0);
    FUZZ_CHECK(first == second);
}
