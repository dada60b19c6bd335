// SPDX-License-Identifier: Apache-2.0
#include "gui_test_case.h"

#include "modal_driver.h"
#include "widgets/file_dialog.h"

#include <QTest>

namespace corvane::testing {

void GuiTestCase::cleanup() {
    EndCase();
    SetFileDialogHook({});
    QVERIFY2(TakeUnexpectedModals().isEmpty(), "a dialog showed that the test did not expect");
}

} // namespace corvane::testing
