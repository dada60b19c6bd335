// SPDX-License-Identifier: Apache-2.0
#include "config/secret_memory.h"

#include <cstring>
#include <sys/prctl.h>

namespace corvane {

void ProtectSecrets() {
    ::prctl(PR_SET_DUMPABLE, 0, 0, 0, 0);
}

void WipeSecret(void* bytes, std::size_t size) {
    ::explicit_bzero(bytes, size);
}

void WipeSecret(std::string& text) {
    WipeSecret(text.data(), text.capacity());
    text.clear();
}

} // namespace corvane
