// SPDX-License-Identifier: Apache-2.0
#include "offscreen.h"

#include <QByteArray>
#include <QtGlobal>

namespace corvane::testing {

void DefaultToOffscreen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

} // namespace corvane::testing
