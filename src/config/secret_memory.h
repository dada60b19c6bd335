// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstddef>
#include <string>

namespace corvane {

// Keeps the process's memory out of core dumps and away from other processes of the same user (as password
// managers do), from the moment it first holds a password to its end.
void ProtectSecrets();

// Overwrites a buffer that held a secret, in a way the compiler cannot leave out.
void WipeSecret(void* bytes, std::size_t size);
void WipeSecret(std::string& text);

} // namespace corvane
