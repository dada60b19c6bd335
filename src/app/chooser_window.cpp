// SPDX-License-Identifier: Apache-2.0
#include "app/chooser_window.h"

#include "app/station_found_event.h"
#include "config/config_record.h"
#include "config/hex_text.h"
#include "config/restart_time.h"
#include "configwindow/config_window.h"
#include "desktop/about_dialog.h"
#include "desktop/configuration_file.h"
#include "desktop/enter_password_dialog.h"
#include "desktop/program_runner.h"
#include "files/station_text.h"
#include "protocol/dotted_quad.h"
#include "resources/window_menu.h"
#include "strings/ids/chooser_controls.h"
#include "strings/ids/menu_commands.h"
#include "strings/ids/string_ids.h"
#include "strings/message_format.h"
#include "strings/string_table.h"
#include "ui_template_143_chooser.h"
#include "widgets/control_binding.h"
#include "widgets/control_error.h"
#include "widgets/file_dialog.h"
#include "widgets/messages.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTreeView>
#include <algorithm>
#include <array>
#include <new>

namespace corvane {
namespace {

constexpr std::array<int, 7> kDetailFields = {
    chooser::kName,   chooser::kDescription, chooser::kIpAddress,  chooser::kLanMac,
    chooser::kWanMac, chooser::kWirelessMac, chooser::kRestartTime};

constexpr int kNameColumnWidth = 150;
constexpr int kAddressColumnWidth = 96;
constexpr int kCountdownPeriodMs = 200;
constexpr std::time_t kCountdownSeconds = 20;

} // namespace

ChooserWindow::ChooserWindow(ChooserSetup setup)
    : ui_(std::make_unique<Ui::ChooserTemplate>()), setup_(std::move(setup)),
      stations_(RequiredResourceText(kStrColumnName), RequiredResourceText(kStrColumnIpAddress)) {
    ui_->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    menuBar_ = InstallMainMenu(
        this, [this](int command) { OnCommand(command); },
        [this](QMenu* menu, int position) { UpdateMenuStates(menu, position); });

    // The window's own menu (the system menu on other desktops) carries About.
    if (const std::string_view about = ResourceString(kStrAboutMenuItem); !about.empty()) {
        auto* action = new QAction(QString::fromUtf8(about), this);
        connect(action, &QAction::triggered, this, &ChooserWindow::ShowAbout);
        addAction(action);
        setContextMenuPolicy(Qt::ActionsContextMenu);
    }

    QTreeView& list = StationList();
    list.setModel(&stations_);
    list.header()->setSectionsClickable(false);
    list.header()->setStretchLastSection(true);
    list.setColumnWidth(0, kNameColumnWidth);
    list.setColumnWidth(1, kAddressColumnWidth);
    list.setContextMenuPolicy(Qt::NoContextMenu);
    connect(list.selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ChooserWindow::SelectionChanged);
    connect(&list, &QTreeView::doubleClicked, this, [this] { ConfigureSelectedStation(); });

    const auto button = [this](int id) { return qobject_cast<QAbstractButton*>(GetControl(this, id)); };
    connect(button(chooser::kOther), &QAbstractButton::clicked, this, [this] { ChooseOtherStation(); });
    connect(button(chooser::kRescan), &QAbstractButton::clicked, this, [this] { Rescan(); });
    connect(button(chooser::kConfigure), &QAbstractButton::clicked, this,
            [this] { ConfigureSelectedStation(); });

    // Shown above the details, which stay empty, while several stations are selected.
    selectionCount_ = new QLabel(ui_->detailsBox);
    selectionCount_->setObjectName(QStringLiteral("selectionCount"));
    selectionCount_->setAccessibleName(QStringLiteral("Selected base stations"));
    selectionCount_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    ui_->details->insertRow(0, selectionCount_);
    selectionCount_->hide();

    countdown_.setInterval(kCountdownPeriodMs);
    connect(&countdown_, &QTimer::timeout, this, &ChooserWindow::CountdownTick);
    ClearDetails();

    // Runs on the discovery thread: the record travels to this window's thread inside a posted event.
    const StationSink sink = [this](std::unique_ptr<ConfigRecord>& record) { return mailbox_.Post(record); };
    if (const int status = StartDiscovery(discovery_, sink, setup_.discoveryTarget, setup_.discoveryPort,
                                          setup_.discoveryAnswerWait);
        status != 0) {
        throw DiscoveryStartError{status};
    }
}

ChooserWindow::~ChooserWindow() {
    // After this no record is posted any more; those still queued die with their events.
    StopDiscovery(discovery_);
}

QTreeView& ChooserWindow::StationList() const {
    return *ui_->stations;
}

bool ChooserWindow::event(QEvent* event) {
    if (event->type() == kStationFoundEvent) {
        // Counted from what Take hands over under the lock: answers may still join the event until then.
        std::vector<std::unique_ptr<ConfigRecord>> records =
            mailbox_.Take(*static_cast<StationFoundEvent*>(event));
        const std::size_t answers = records.size();
        AddStations(std::move(records));
        for (std::size_t i = 0; i < answers; ++i) {
            emit stationAnswered();
        }
        return true;
    }
    return QDialog::event(event);
}

void ChooserWindow::AddStations(std::vector<std::unique_ptr<ConfigRecord>> records) {
    const bool wasEmpty = stations_.Size() == 0;
    stations_.Append(std::move(records));
    if (wasEmpty && stations_.Size() > 0) {
        QTreeView& list = StationList();
        list.setCurrentIndex(stations_.index(0, 0));
        // A keyboard user on Re-scan or Other... keeps their place, scan after scan.
        if (focusWidget() == nullptr) {
            list.setFocus();
        }
    }
}

void ChooserWindow::Rescan() {
    ClearStations();
    RequestScan(discovery_);
}

void ChooserWindow::ClearStations() {
    stations_.Clear();
    restarting_.clear();
    ClearDetails();
    UpdateSelectionCount(0);
}

std::optional<std::size_t> ChooserWindow::SelectedRow() const {
    const std::vector<std::size_t> rows = SelectedRows();
    if (rows.empty()) {
        return std::nullopt;
    }
    return rows.front();
}

std::vector<std::size_t> ChooserWindow::SelectedRows() const {
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : StationList().selectionModel()->selectedRows()) {
        if (std::size_t(index.row()) < stations_.Size()) {
            rows.push_back(std::size_t(index.row()));
        }
    }
    std::ranges::sort(rows);
    return rows;
}

std::vector<std::shared_ptr<ConfigRecord>> ChooserWindow::GetSelectedStations() const {
    std::vector<std::shared_ptr<ConfigRecord>> records;
    for (std::size_t row : SelectedRows()) {
        if (stations_.At(row)) {
            records.push_back(stations_.At(row));
        }
    }
    return records;
}

void ChooserWindow::SelectionChanged() {
    const std::vector<std::size_t> rows = SelectedRows();
    if (rows.size() == 1) {
        ShowDetails(*stations_.At(rows.front()));
    } else {
        ClearDetails();
    }
    UpdateSelectionCount(rows.size());
}

void ChooserWindow::UpdateSelectionCount(std::size_t selected) {
    selectionCount_->setVisible(selected > 1);
    selectionCount_->setText(selected > 1 ? QString::fromStdString(FormatResourceText(
                                                ResourceString(kStrStationsSelected), selected))
                                          : QString());
}

void ChooserWindow::ShowDetails(const ConfigRecord& record) {
    SetControlText(this, chooser::kName, record.syNm);
    SetControlText(this, chooser::kDescription, record.syDs);
    SetControlText(this, chooser::kIpAddress, FormatDottedQuad(record.stationAddress));
    SetControlText(this, chooser::kLanMac, FormatMacAddress(record.lanMac));
    SetControlText(this, chooser::kWanMac, FormatMacAddress(record.wanMac));
    SetControlText(this, chooser::kWirelessMac, FormatMacAddress(record.wirelessMac));
    SetControlText(this, chooser::kRestartTime, RestartTimeText(record));
    EnableControl(this, chooser::kConfigure, true);
}

void ChooserWindow::ClearDetails() {
    for (int id : kDetailFields) {
        SetControlText(this, id, {});
    }
    EnableControl(this, chooser::kConfigure, false);
}

std::shared_ptr<ConfigRecord> ChooserWindow::GetSelectedStation(bool askPassword) {
    const std::optional<std::size_t> row = SelectedRow();
    if (!row || *row >= stations_.Size() || !stations_.At(*row)) {
        return nullptr;
    }
    // Held from here on: the list may be emptied while the password dialog or an operation runs.
    std::shared_ptr<ConfigRecord> record = stations_.At(*row);
    if (askPassword) {
        EnterPasswordDialog dialog;
        std::string password;
        if (!dialog.Run(password)) {
            return nullptr;
        }
        record->adminPassword = password;
    }
    return record;
}

void ChooserWindow::MarkRestarting(const ConfigRecord& record) {
    const std::optional<std::size_t> row = stations_.RowOf(KeyOf(record));
    if (!row) {
        return;
    }
    ConfigRecord& listed = *stations_.At(*row);
    listed.restartPending = 1;
    listed.restartStartTime = std::int32_t(Now());
    restarting_.insert(*row);
    if (!countdown_.isActive()) {
        countdown_.start();
    }
}

void ChooserWindow::CountdownTick() {
    const std::time_t now = Now();
    bool pending = false;
    for (std::size_t row : restarting_) {
        ConfigRecord& record = *stations_.At(row);
        if ((record.restartPending & 1) == 0) {
            continue;
        }
        const std::time_t elapsed = now - record.restartStartTime;
        if (elapsed >= kCountdownSeconds) {
            record.restartPending &= ~1u;
            Rescan(); // empties the list, which ends every countdown
            StopCountdown();
            return;
        }
        stations_.SetAddressText(
            row, QString::fromStdString(FormatResourceText(ResourceString(kStrRestartingCountdown),
                                                           std::int64_t(kCountdownSeconds - elapsed))));
        pending = true;
    }
    if (!pending) {
        StopCountdown();
    }
}

void ChooserWindow::StopCountdown() {
    countdown_.stop();
}

void ChooserWindow::closeEvent(QCloseEvent* event) {
    StopCountdown();
    event->accept();
    deleteLater();
}

void ChooserWindow::reject() {
    // Escape does not close the chooser.
}

void ChooserWindow::OnCommand(int command) {
    switch (command) {
    case kMenuNewConfiguration:
        NewConfiguration();
        break;
    case kMenuOpenConfigurationFile:
        AskAndOpenConfigurationFile();
        break;
    case kMenuCloseWindow:
        close();
        break;
    case kMenuExit:
        QCoreApplication::exit(0);
        break;
    case kMenuChooseOther:
        ChooseOtherStation();
        break;
    case kMenuRescan:
        Rescan();
        break;
    case kMenuRestart:
        RestartSelectedStation();
        break;
    case kMenuUploadSoftware:
        UploadSoftwareFile();
        break;
    case kMenuUploadDefaultSoftware:
        UploadDefaultSoftware(std::nullopt, true);
        break;
    case kMenuBackUpConfigurations:
        BackUpSelectedConfigurations();
        break;
    case kMenuAbout:
        ShowAbout();
        break;
    default: // Save As, Import Settings and Equivalent Network Password belong to configuration windows
        break;
    }
}

void ChooserWindow::UpdateMenuStates(QMenu* menu, int position) {
    if (position == 0) {
        EnableCommand(menu, kMenuSaveAs, false);
        EnableCommand(menu, kMenuImportSettings, false);
        EnableCommand(menu, kMenuShowChanges, false);
    } else if (position == 1) {
        const bool selected = GetSelectedStation(false) != nullptr;
        EnableCommand(menu, kMenuRestart, selected);
        EnableCommand(menu, kMenuUploadSoftware, selected);
        EnableCommand(menu, kMenuUploadDefaultSoftware, selected);
        EnableCommand(menu, kMenuBackUpConfigurations, selected);
        EnableCommand(menu, kMenuEquivalentNetworkPassword, false);
    }
}

void ChooserWindow::NewConfiguration() {
    OpenConfigWindow(nullptr);
}

void ChooserWindow::AskAndOpenConfigurationFile() {
    const std::optional<QString> path =
        AskFileName(this, ConfigurationFileRequest(FileDialogRequest::Kind::Open, ""));
    if (path) {
        OpenConfigurationFile(*path);
    }
}

void ChooserWindow::OpenConfigurationFile(const QString& path) {
    ConfigRecord record;
    if (!ReadConfigurationFile(path, record) || !OpenConfigWindow(&record)) {
        ShowMessage(kStrConfigFileReadError, 0, false);
    }
}

bool ChooserWindow::OpenConfigWindow(const ConfigRecord* record) {
    try {
        // The window's station commands run through this chooser's runner and count down in its list.
        ConfigWindow::Open(
            record, {&Runner(), [chooser = QPointer<ChooserWindow>(this)](const ConfigRecord& station) {
                         if (chooser) {
                             chooser->MarkRestarting(station);
                         }
                     }});
        return true;
    } catch (const ControlError&) {
    } catch (const std::bad_alloc&) {
    }
    return false;
}

void ChooserWindow::ShowAbout() {
    AboutDialog about;
    about.exec();
}

OperationRunner& ChooserWindow::Runner() const {
    return setup_.runner != nullptr ? *setup_.runner : ProgramOperationRunner();
}

std::time_t ChooserWindow::Now() const {
    return setup_.clock ? setup_.clock() : std::time(nullptr);
}

} // namespace corvane
