#include "resources/icons.h"

#include <QApplication>
#include <QStyle>

namespace corvane {

QIcon ResourceIcon(unsigned id) {
    switch (id) {
    case 128:
        return QIcon(QStringLiteral(":/icons/program_icon.svg"));
    case 129:
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
    case 154:
        return QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation);
    default:
        return {};
    }
}

} // namespace corvane
