// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <cstdint>

class QWidget;

namespace corvane {

// Shows an address in an IP address control, or leaves it blank for 0 ("not set"). Pages load again after
// Import Settings, so an address the new record does not set must not keep what the previous record showed:
// storing would bring the old value back.
void SetAddressOrBlank(QWidget* page, int id, std::uint32_t address);

} // namespace corvane
