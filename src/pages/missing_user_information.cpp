#include "pages/missing_user_information.h"

#include "pages/config_page.h"
#include "strings/ids/string_ids.h"
#include "widgets/control_binding.h"
#include "widgets/messages.h"

namespace corvane {

bool RefuseMissingUserInformation(ConfigPage& page, int control) {
    ShowMessage(kStrUserInformationMissing, 0, false);
    page.Reveal();
    FocusControl(&page, control);
    return false;
}

} // namespace corvane
