// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QObject>

namespace corvane::testing {

// A QtTest case of the desktop utility's windows and dialogs: each case ends with file dialogs answered for
// real again and no modal dialog that the case did not expect. A class with more to tear down or to check at
// the end of a case overrides EndCase, which runs first.
class GuiTestCase : public QObject {
    Q_OBJECT

protected:
    virtual void EndCase() {}

private slots:
    void cleanup();
};

} // namespace corvane::testing
