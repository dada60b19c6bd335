#include "configwindow/settings_pages.h"

namespace corvane {

std::vector<ConfigPage*> MakeSettingsPages(QWidget* /*parent*/) {
    // None of the five pages exists yet; the sheet stays empty until they do.
    return {};
}

} // namespace corvane
