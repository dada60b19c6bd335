// SPDX-License-Identifier: Apache-2.0
#pragma once

namespace corvane {

// Command ids of menu 136 and accelerator table 146.
enum MenuCommand : int {
    kMenuExit = 32771,
    kMenuRescan = 32787,
    kMenuRestart = 32788,
    kMenuNewConfiguration = 32791,
    kMenuChooseOther = 32798,
    kMenuUploadSoftware = 32799,
    kMenuUploadDefaultSoftware = 32800,
    kMenuOpenConfigurationFile = 32802,
    kMenuImportSettings = 32803,
    kMenuAbout = 32806,
    kMenuEquivalentNetworkPassword = 32807,
    kMenuShowChanges = 32820,
    kMenuBackUpConfigurations = 32821,
    kMenuCloseWindow = 57602,
    kMenuSaveAs = 57604,
};

} // namespace corvane
