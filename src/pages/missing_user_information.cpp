#include "pages/missing_user_information.h"

#include "pages/config_page.h"
#include "pages/control_binding.h"
#include "pages/messages.h"
#include "resources/ids/string_ids.h"

namespace corvane {

bool RefuseMissingUserInformation(ConfigPage& page, int control) {
    ShowMessage(kStrUserInformationMissing, 0, false);
    page.Reveal();
    FocusControl(&page, control);
    return false;
}

} // namespace corvane
