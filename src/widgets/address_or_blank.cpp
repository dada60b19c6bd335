// SPDX-License-Identifier: Apache-2.0
#include "widgets/address_or_blank.h"

#include "widgets/control_binding.h"
#include "widgets/ip_address_control.h"

namespace corvane {

void SetAddressOrBlank(QWidget* page, int id, std::uint32_t address) {
    if (address != 0) {
        SetIPAddress(page, id, address);
    } else if (auto* control = qobject_cast<IpAddressControl*>(GetControl(page, id))) {
        control->Clear();
    }
}

} // namespace corvane
