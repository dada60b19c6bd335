// SPDX-License-Identifier: Apache-2.0
#include "resources/icons.h"

#include "strings/ids/icon_ids.h"

#include <QApplication>
#include <QStyle>

namespace corvane {

QIcon ResourceIcon(IconId id) {
    switch (id) {
    case kIconProgram: {
        // Drawn at the usual sizes, so that window managers that pick a listed size find one.
        const QIcon drawing(QStringLiteral(":/icons/program_icon.svg"));
        QIcon icon;
        for (int extent : {16, 24, 32, 48, 64, 128}) {
            icon.addPixmap(drawing.pixmap(extent, extent));
        }
        return icon;
    }
    case kIconStop:
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
    case kIconNote:
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
    default:
        return {};
    }
}

} // namespace corvane
