// SPDX-License-Identifier: Apache-2.0
#include "station_text_refusal.h"

#include "modal_driver.h"
#include "strings/ids/dialog_buttons.h"

#include <QDialog>
#include <QTest>
#include <QToolTip>

namespace corvane::testing {

void TypeUnholdableTextIntoNextModal(int id, StationTextRefusal& refusal) {
    OnNextModal([id, &refusal](QDialog& dialog) {
        TypeInto(&dialog, id, QStringLiteral("p\u00E4\u20ACss\u0100"));
        refusal.shown = TextOf(&dialog, id);
        refusal.tip = QToolTip::isVisible() ? QToolTip::text() : QString();
        ClickControl(&dialog, kCancel);
    });
}

void CheckRefusal(const StationTextRefusal& refusal) {
    QCOMPARE(refusal.shown, QStringLiteral("p\u00E4\u20ACss"));
    QVERIFY2(refusal.tip.contains(QStringLiteral("\"\u0100\" cannot be used")), qPrintable(refusal.tip));
}

} // namespace corvane::testing
