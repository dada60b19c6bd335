// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "app/station_list_model.h"
#include "app/station_mailbox.h"
#include "protocol/discovery.h"
#include "strings/ids/string_ids.h"

#include <QDialog>
#include <QString>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

class QLabel;
class QMenu;
class QMenuBar;
class QTreeView;

namespace Ui {
class ChooserTemplate;
}

namespace corvane {

class ConfigRecord;
class OperationRunner;

// Where the chooser looks for stations and how it reaches them; the defaults are the program's.
struct ChooserSetup {
    std::string discoveryTarget = kDiscoveryTarget;
    std::uint16_t discoveryPort = kDiscoveryPort;
    std::chrono::milliseconds discoveryAnswerWait = kDiscoveryAnswerWait;
    OperationRunner* runner = nullptr;  // null: the program's one runner
    std::function<std::time_t()> clock; // calendar time of the countdown; empty: the system's
};

// Raised by the constructor when discovery cannot start; carries its status.
struct DiscoveryStartError {
    int status;
};

// The program's main window (template 143): the base stations discovery finds, the details of the one
// selected, and the commands that act on a station or open configuration files. Records arrive from the
// discovery thread as posted events and are owned here from then on; an operation that is using a listed
// record shares it, so a re-scan meanwhile never destroys a record under the operation's feet.
class ChooserWindow : public QDialog {
    Q_OBJECT

public:
    explicit ChooserWindow(ChooserSetup setup = {});
    ~ChooserWindow() override;

    void Rescan();
    void ClearStations();
    // The selected station's record, asking for its password first when asked to; null when there is none or
    // the password dialog was cancelled.
    std::shared_ptr<ConfigRecord> GetSelectedStation(bool askPassword);
    // Every selected station's record, in list order.
    std::vector<std::shared_ptr<ConfigRecord>> GetSelectedStations() const;
    // Starts the countdown of the listed station with the record's WAN MAC address and station address.
    void MarkRestarting(const ConfigRecord& record);
    // Opens a configuration window on the file, or shows message 149.
    void OpenConfigurationFile(const QString& path);

    // The station commands.
    void ConfigureSelectedStation();
    void ChooseOtherStation();
    void RestartSelectedStation();
    void UploadSoftwareFile();
    void UploadDefaultSoftware(const std::optional<std::string>& password, bool confirm);
    // Saves each selected station's configuration into a folder the user chooses.
    void BackUpSelectedConfigurations();

    std::size_t StationCount() const { return stations_.Size(); }
    QTreeView& StationList() const;
    const StationListModel& Stations() const { return stations_; }
    QMenuBar& MenuBar() const { return *menuBar_; }
    bool CountdownRunning() const { return countdown_.isActive(); }

signals:
    // A station answer arrived from discovery, duplicate or not; emitted once the list shows it.
    void stationAnswered();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    // Takes a batch of answers: the new rows go into the list at once.
    void AddStations(std::vector<std::unique_ptr<ConfigRecord>> records);
    // The row of the first selected station, in list order.
    std::optional<std::size_t> SelectedRow() const;
    // The selected rows, in list order.
    std::vector<std::size_t> SelectedRows() const;
    void SelectionChanged();
    void ShowDetails(const ConfigRecord& record);
    void ClearDetails();
    void CountdownTick();
    void StopCountdown();
    void OnCommand(int command);
    void UpdateMenuStates(QMenu* menu, int position);
    void NewConfiguration();
    void AskAndOpenConfigurationFile();
    void ShowAbout();
    void OpenStation(const std::shared_ptr<ConfigRecord>& record);
    // After a restart or an upload: the failure's message, or the station's countdown.
    void ReportOrMarkRestarting(const ConfigRecord& record, int status);
    // Opens a configuration window on a copy of the record; false when it could not be made.
    bool OpenConfigWindow(const ConfigRecord* record);
    // The commands on several selected stations: one confirmation naming how many (when `confirmId` is
    // given) and one password; the batch's own copies of the records, each with the password, or none.
    std::vector<std::shared_ptr<ConfigRecord>> PrepareBatch(std::optional<StringId> confirmId);
    void RestartStations();
    void UploadToStations(std::span<const std::uint8_t> image,
                          const std::vector<std::shared_ptr<ConfigRecord>>& stations);
    // What starts the countdown of each of the batch's stations as it is done.
    std::function<void(std::size_t)>
    MarkRestartingEach(const std::vector<std::shared_ptr<ConfigRecord>>& stations);
    void UpdateSelectionCount(std::size_t selected);
    OperationRunner& Runner() const;
    std::time_t Now() const;

    std::unique_ptr<Ui::ChooserTemplate> ui_;
    QMenuBar* menuBar_ = nullptr;
    QLabel* selectionCount_ = nullptr; // in the details, while several stations are selected
    ChooserSetup setup_;
    StationListModel stations_;
    std::set<std::size_t> restarting_; // rows counting down, in list order
    StationMailbox mailbox_{this};
    QTimer countdown_;
    Discovery discovery_;
};

} // namespace corvane
