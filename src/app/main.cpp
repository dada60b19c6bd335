#include "app/startup.h"
#include "resources/icons.h"
#include "resources/ids/icon_ids.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Every argument is a configuration file, never an option: Qt sees the program name only.
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        files << QString::fromLocal8Bit(argv[i]);
    }
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane Admin Utility"));
    QApplication::setWindowIcon(corvane::ResourceIcon(corvane::kIconProgram));
    // The installed desktop entry's name, so that desktops match the windows to its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.corvane.admin"));
    return corvane::RunAdminUtility(files);
}
