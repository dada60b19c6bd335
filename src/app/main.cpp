// SPDX-License-Identifier: Apache-2.0
#include "app/startup.h"
#include "config/program_version.h"
#include "files/file_name.h"
#include "resources/icons.h"
#include "strings/ids/icon_ids.h"

#include <QApplication>
#include <cstdio>
#include <string_view>

int main(int argc, char** argv) {
    // "--version" alone asks for the version (a file of that name opens as ./--version).
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        std::printf("corvane-admin %s\n", corvane::kProgramVersion);
        return 0;
    }
    // Every other argument is a configuration file, never an option: Qt sees the program name only.
    const QStringList files = corvane::ProgramArguments(argc, argv);
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvane Admin Utility"));
    QApplication::setWindowIcon(corvane::ResourceIcon(corvane::kIconProgram));
    // The installed desktop entry's name, so that desktops match the windows to its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.corvane.admin"));
    return corvane::RunAdminUtility(files);
}
