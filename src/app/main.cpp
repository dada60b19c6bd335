#include "app/about_dialog.h"
#include "resources/icons.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane Admin Utility"));
    QApplication::setWindowIcon(corvane::ResourceIcon(128));
    corvane::AboutDialog about;
    about.exec();
    return 0;
}
