// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <vector>

class QWidget;

namespace corvane {

class ConfigPage;

// Makes the settings pages of a configuration window, children of `parent`, in host order: Corvane, Internet,
// Network, Access Control, Authentication. A page class joins here as it is written.
using SettingsPageFactory = std::vector<ConfigPage*> (*)(QWidget* parent);

std::vector<ConfigPage*> MakeSettingsPages(QWidget* parent);

} // namespace corvane
