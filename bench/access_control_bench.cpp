// SPDX-License-Identifier: Apache-2.0
// The Access Control page with a long list, through its own controls (offscreen unless a display is chosen):
//   LoadSettings of 10,000 clients         (goal: under 200 ms)
//   Import of a 10,000-line file           (goal: under 300 ms, into the empty list)
//   Add, Edit, Remove on 10,000 clients    (goal: under 20 ms each, from the click to the changed list)
//   a scroll by one page, painted          (smooth: a few milliseconds)
//   heap the page holds with 10,000 rows   (goal: under 20 MB)
// Each time is the median of several runs. Run on a release build: build/release/bench/access_control_bench
#include "config/acl_list_file.h"
#include "config/config_record.h"
#include "config/table_editing.h"
#include "modal_driver.h"
#include "offscreen.h"
#include "pages/access_control_page.h"
#include "strings/ids/access_control_page_controls.h"
#include "strings/ids/add_client_controls.h"
#include "widgets/control_binding.h"
#include "widgets/file_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <malloc.h>

namespace corvane {
namespace {

using namespace access_control_page;
constexpr int kClients = 10000;
constexpr int kRuns = 7;

std::vector<AclEntry> ManyClients() {
    std::vector<AclEntry> clients;
    for (int i = 0; i < kClients; ++i) {
        clients.push_back(
            MakeAclEntry({0x02, 0x00, 0x00, std::uint8_t(i >> 16), std::uint8_t(i >> 8), std::uint8_t(i)},
                         "Client number " + std::to_string(i) + " on floor 3"));
    }
    return clients;
}

double Milliseconds(const std::function<void()>& action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The median of kRuns runs of `action`, each after `prepare` (not timed).
double Median(const std::function<void()>& prepare, const std::function<void()>& action) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        prepare();
        times.push_back(Milliseconds(action));
    }
    std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
    return times[kRuns / 2];
}

void Report(const char* what, double value, const char* unit, double goal) {
    std::printf("%-44s %9.2f %-3s (goal < %g %s) %s\n", what, value, unit, goal, unit,
                value < goal ? "ok" : "OVER");
}

// Lets the list lay itself out and paint, as it does before the user sees it.
void Settle(QWidget& page) {
    page.repaint();
    QApplication::processEvents();
}

QTreeView* List(QWidget& page) {
    return static_cast<QTreeView*>(GetControl(&page, kClientList));
}

void SelectRow(QWidget& page, int row) {
    QTreeView* list = List(page);
    list->setCurrentIndex(list->model()->index(row, 0));
}

void AnswerClientDialog(const QString& id, const QString& description) {
    testing::OnNextModal([=](QDialog& dialog) {
        testing::TypeInto(&dialog, add_client::kCorvaneIdEdit, id);
        testing::TypeInto(&dialog, add_client::kDescriptionEdit, description);
        testing::ClickControl(&dialog, add_client::kOkButton);
    });
}

} // namespace
} // namespace corvane

int main(int argc, char** argv) {
    using namespace corvane;
    testing::DefaultToOffscreen();
    QApplication application(argc, argv);
    ConfigRecord record;
    record.acTa = ManyClients();
    record.acEn = 1;
    QTemporaryDir dir;
    const QString listFile = dir.filePath(QStringLiteral("Access Control List.txt"));
    {
        QFile file(listFile);
        const std::string text = FormatAclListFile(record.acTa);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(text.data(), qint64(text.size())) != qint64(text.size())) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(listFile));
            return 1;
        }
    }
    SetFileDialogHook([&](const FileDialogRequest&) { return std::optional<QString>(listFile); });

    std::printf("Access Control page, %d clients, median of %d runs\n", kClients, kRuns);
    const std::size_t heapBefore = mallinfo2().uordblks;
    auto page = std::make_unique<AccessControlPage>();
    page->SetConfig(&record);
    page->resize(520, 360);
    page->show();
    Settle(*page);

    Report("LoadSettings",
           Median([] {},
                  [&] {
                      page->LoadSettings();
                      Settle(*page);
                  }),
           "ms", 200);
    const double heap = double(mallinfo2().uordblks - heapBefore) / (1024.0 * 1024.0);

    ConfigRecord empty;
    page->SetConfig(&empty);
    Report("Import of a 10,000-line file",
           Median([&] { page->LoadSettings(); },
                  [&] {
                      testing::ClickControl(page.get(), kImportButton);
                      Settle(*page);
                  }),
           "ms", 300);
    page->SetConfig(&record);

    int added = 0;
    Report("Add (a new client, appended)",
           Median([&] { page->LoadSettings(); },
                  [&] {
                      AnswerClientDialog(
                          QStringLiteral("04:00:00:00:00:%1").arg(++added, 2, 16, QLatin1Char('0')),
                          QStringLiteral("Visitor"));
                      testing::ClickControl(page.get(), kAddButton);
                      Settle(*page);
                  }),
           "ms", 20);
    Report("Edit (a client in the middle)",
           Median(
               [&] {
                   page->LoadSettings();
                   SelectRow(*page, kClients / 2);
               },
               [&] {
                   AnswerClientDialog(QStringLiteral("04:00:00:00:00:01"), QStringLiteral("Renamed"));
                   testing::ClickControl(page.get(), kEditButton);
                   Settle(*page);
               }),
           "ms", 20);
    Report("Remove (the first client)",
           Median(
               [&] {
                   page->LoadSettings();
                   SelectRow(*page, 0);
               },
               [&] {
                   testing::ClickControl(page.get(), kRemoveButton);
                   Settle(*page);
               }),
           "ms", 20);
    QScrollBar* scroll = List(*page)->verticalScrollBar();
    Report("Scroll by a page, painted",
           Median([&] { page->LoadSettings(); },
                  [&] {
                      for (int step = 0; step < 10; ++step) {
                          scroll->triggerAction(QAbstractSlider::SliderPageStepAdd);
                          Settle(*page);
                      }
                  }) /
               10,
           "ms", 16);
    Report("Heap held by the page with its list", heap, "MB", 20);
    SetFileDialogHook({});
    const QStringList unexpected = testing::TakeUnexpectedModals();
    if (!unexpected.isEmpty()) {
        std::fprintf(stderr, "unexpected dialogs: %s\n", qPrintable(unexpected.join(QStringLiteral(", "))));
        return 1;
    }
    return 0;
}
