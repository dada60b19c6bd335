#include "app/startup.h"
#include "files/file_name.h"
#include "resources/icons.h"
#include "strings/ids/icon_ids.h"

#include <QApplication>

int main(int argc, char** argv) {
    // Every argument is a configuration file, never an option: Qt sees the program name only.
    const QStringList files = corvane::ProgramArguments(argc, argv);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane Admin Utility"));
    QApplication::setWindowIcon(corvane::ResourceIcon(corvane::kIconProgram));
    // The installed desktop entry's name, so that desktops match the windows to its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.corvane.admin"));
    return corvane::RunAdminUtility(files);
}
