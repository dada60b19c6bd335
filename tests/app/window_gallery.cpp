// SPDX-License-Identifier: Apache-2.0
// Pictures of the program's windows, for people to look at: the chooser listing a simulated fleet (on
// loopback), the chooser counting a restart down, and a configuration window. Each is saved with its window
// frame through ImageMagick's import; run under Xvfb with a window manager (scripts/screenshots.sh).
#include "chooser_fixture.h"
#include "config/config_record.h"
#include "config/table_editing.h"
#include "config/wan_connection.h"
#include "dark_palette.h"
#include "pages/internet_page.h"
#include "pages/property_sheet.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <QTreeView>
#include <cstdio>

namespace corvane {
namespace {

// Lets the window manager map, frame and activate the window before it is captured.
void Settle() {
    QEventLoop loop;
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec();
}

bool Capture(QWidget& window, const QString& path) {
    window.show();
    window.raise();
    window.activateWindow();
    Settle();
    const QString id = QStringLiteral("0x") + QString::number(window.winId(), 16);
    const bool saved = QProcess::execute(QStringLiteral("import"), {QStringLiteral("-window"), id,
                                                                    QStringLiteral("-frame"), path}) == 0;
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    return saved;
}

} // namespace
} // namespace corvane

int main(int argc, char** argv) {
    using namespace corvane;
    QApplication application(argc, argv);
    testing::ApplyPaletteFromEnvironment();
    if (argc != 2) {
        std::fprintf(stderr, "usage: corvane_window_gallery OUTPUT_DIRECTORY\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    testing::ChooserHost host;
    if (!host.WaitForStations()) {
        std::fprintf(stderr, "window gallery: the loopback fleet did not answer\n");
        return 1;
    }
    ChooserWindow& chooser = host.chooser();
    bool saved = Capture(chooser, out.filePath(QStringLiteral("chooser-stations.png")));

    host.SelectRow(1);
    chooser.MarkRestarting(*chooser.GetSelectedStation(false));
    host.SelectRow(0);
    Settle(); // a countdown tick
    saved = Capture(chooser, out.filePath(QStringLiteral("chooser-countdown.png"))) && saved;

    // Several stations selected: the details say how many, Configure waits for one.
    chooser.StationList().selectAll();
    Settle();
    saved = Capture(chooser, out.filePath(QStringLiteral("chooser-several-selected.png"))) && saved;
    host.SelectRow(0);

    ConfigRecord record = *chooser.GetSelectedStation(false);
    record.acTa = {MakeAclEntry({0x00, 0x30, 0x65, 0x1a, 0x2b, 0x3c}, "Front desk"),
                   MakeAclEntry({0x00, 0x30, 0x65, 0x4d, 0x5e, 0x6f}, "Meeting room laptop"),
                   MakeAclEntry({0x02, 0x1f, 0x9e, 0x00, 0x00, 0x01}, "Warehouse scanner")};
    record.raFl = 1;
    record.raI1 = 0x0A000105; // 10.0.1.5
    record.raAu = 1812;
    record.raSe = "shared";
    auto* window = ConfigWindow::Open(&record);
    saved = Capture(*window, out.filePath(QStringLiteral("config-window.png"))) && saved;
    // Every further page of the sheet, by its tab caption.
    for (int index = 1; index < window->Sheet().count(); ++index) {
        window->Sheet().setCurrentIndex(index);
        const QString page = window->Sheet().tabText(index).toLower().replace(' ', '-');
        saved = Capture(*window, out.filePath(QStringLiteral("config-window-%1.png").arg(page))) && saved;
    }
    delete window;

    // The Internet page once for each kind of connection.
    const std::pair<const char*, void (*)(ConfigRecord&)> connections[] = {
        {"ethernet-manual",
         [](ConfigRecord& r) {
             r.waIP = 0xC0A80102;
             r.waSM = 0xFFFFFF00;
             r.waRA = 0xC0A80101;
         }},
        {"ethernet-dhcp",
         [](ConfigRecord& r) {
             r.waCV = kWanDhcp;
             r.waDC = "corvane-1";
         }},
        {"pppoe",
         [](ConfigRecord& r) {
             r.waCV = kWanPpp;
             r.peUN = "customer";
             r.waD1 = 0x0A000035;
         }},
        {"modem",
         [](ConfigRecord& r) {
             r.waIn = kWanModem;
             r.waCV = kWanPpp;
             r.moPN = "555-0100";
         }},
        {"aol",
         [](ConfigRecord& r) {
             r.waIn = kWanModem;
             r.waCV = kWanPpp;
             r.moMF = kModemAolFlag;
         }},
    };
    for (const auto& [name, describe] : connections) {
        ConfigRecord connection = record;
        describe(connection);
        window = ConfigWindow::Open(&connection);
        window->findChild<InternetPage*>()->Reveal();
        const QString file = QStringLiteral("config-window-internet-%1.png").arg(QString::fromUtf8(name));
        saved = Capture(*window, out.filePath(file)) && saved;
        delete window;
    }
    return saved ? 0 : 1;
}
