// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane {

// Ids of the dialog templates: one window, dialog or settings page each (src/resources/template_<id>_*.ui).
enum TemplateId : unsigned {
    kTemplateCorvanePage = 105,
    kTemplateConfigWindow = 134,
    kTemplateInternetPage = 135,
    kTemplateEthernetPage = 136,
    kTemplateModemPage = 137,
    kTemplatePppoePage = 138,
    kTemplateAolPage = 139,
    kTemplateNetworkPage = 140,
    kTemplateAccessControlPage = 141,
    kTemplateAuthenticationPage = 142,
    kTemplateChooser = 143,
    kTemplateAbout = 144,
    kTemplatePortMapping = 145,
    kTemplateEnterPassword = 146,
    kTemplateChooseOther = 147,
    kTemplateError = 148,
    kTemplateChangePassword = 149,
    kTemplateNetworkPassword = 150,
    kTemplatePortMapEntry = 151,
    kTemplateAddClient = 152,
    kTemplateProgress = 153,
};

} // namespace corvane
