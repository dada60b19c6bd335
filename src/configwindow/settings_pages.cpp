// SPDX-License-Identifier: Apache-2.0
#include "configwindow/settings_pages.h"

#include "pages/access_control_page.h"
#include "pages/authentication_page.h"
#include "pages/corvane_page.h"
#include "pages/internet_page.h"
#include "pages/network_page.h"

namespace corvane {

std::vector<ConfigPage*> MakeSettingsPages(QWidget* parent) {
    return {
        new CorvanePage(parent),       new InternetPage(parent),       new NetworkPage(parent),
        new AccessControlPage(parent), new AuthenticationPage(parent),
    };
}

} // namespace corvane
