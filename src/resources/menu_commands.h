#pragma once

namespace corvane {

// Command ids of menu 136 and accelerator table 146.
enum MenuCommand : int {
    kCommandExit = 32771,
    kCommandRescan = 32787,
    kCommandRestart = 32788,
    kCommandNewConfiguration = 32791,
    kCommandChooseOther = 32798,
    kCommandUploadSoftware = 32799,
    kCommandUploadDefaultSoftware = 32800,
    kCommandOpenConfigurationFile = 32802,
    kCommandImportSettings = 32803,
    kCommandAbout = 32806,
    kCommandEquivalentNetworkPassword = 32807,
    kCommandCloseWindow = 57602,
    kCommandSaveAs = 57604,
};

} // namespace corvane
