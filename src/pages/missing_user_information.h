#pragma once

namespace corvane {

class ConfigPage;

// A connection page left without a field the connection needs (user name, password, phone number): message
// 163, the page to the front, the focus on `control`. Returns false, the result of the failed check.
bool RefuseMissingUserInformation(ConfigPage& page, int control);

} // namespace corvane
