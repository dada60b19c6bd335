// SPDX-License-Identifier: Apache-2.0
// The chooser's commands on several selected stations at once: one confirmation that names how many, one
// password for all, and the batch's window, where each station shows how it went; a station that refuses
// the password fails alone.
#include "app/chooser_window.h"
#include "config/config_record.h"
#include "desktop/enter_password_dialog.h"
#include "desktop/software_upload.h"
#include "desktop/station_batches.h"
#include "files/backup_file_name.h"
#include "runner/operation_runner.h"
#include "strings/string_table.h"
#include "widgets/file_dialog.h"
#include "widgets/messages.h"

#include <QDir>
#include <QPointer>
#include <map>

namespace corvane {
namespace {

QString Text(StringId id) {
    return QString::fromUtf8(ResourceString(id));
}

} // namespace

std::vector<std::shared_ptr<ConfigRecord>> ChooserWindow::PrepareBatch(std::optional<StringId> confirmId) {
    const std::vector<std::shared_ptr<ConfigRecord>> selected = GetSelectedStations();
    if (selected.empty() ||
        (confirmId && ShowFormattedMessage(kStrNoteCaption, *confirmId, true, selected.size()) != 1)) {
        return {};
    }
    EnterPasswordDialog dialog;
    std::string password;
    if (!dialog.Run(password)) {
        return {};
    }
    std::vector<std::shared_ptr<ConfigRecord>> stations;
    stations.reserve(selected.size());
    for (const std::shared_ptr<ConfigRecord>& record : selected) {
        auto copy = std::make_shared<ConfigRecord>(*record);
        copy->adminPassword = password;
        stations.push_back(std::move(copy));
    }
    return stations;
}

void ChooserWindow::RestartStations() {
    const std::vector<std::shared_ptr<ConfigRecord>> stations = PrepareBatch(kStrConfirmRestartStations);
    if (stations.empty()) {
        return;
    }
    RunStationBatch(Text(kStrBatchRestartTitle), stations, Runner().Bodies().restart, {}, {}, this,
                    MarkRestartingEach(stations));
}

void ChooserWindow::UploadToStations(std::span<const std::uint8_t> image,
                                     const std::vector<std::shared_ptr<ConfigRecord>>& stations) {
    // The first station shows that the software lets a station come back before the others risk it.
    RunStationBatch(Text(kStrBatchUploadTitle), stations,
                    UploadAndComeBack(Runner().Bodies().upload, setup_.discoveryPort), ImageUploadArgs(image),
                    {true, GoesOnAfterUpload}, this, MarkRestartingEach(stations));
}

void ChooserWindow::BackUpSelectedConfigurations() {
    const std::vector<std::shared_ptr<ConfigRecord>> stations = PrepareBatch(std::nullopt);
    if (stations.empty()) {
        return;
    }
    const std::optional<QString> folder =
        AskFileName(this, {FileDialogRequest::Kind::Folder, {}, {}, {}, Text(kStrBackupFolderCaption)});
    if (!folder) {
        return;
    }
    // The names `corvane backup` gives the same stations, told apart the same way.
    std::vector<BackupSubject> subjects;
    for (const std::shared_ptr<ConfigRecord>& station : stations) {
        subjects.push_back({BackupFileName(*station), station->stationAddress, 0});
    }
    const std::vector<QString> names = DistinctBackupFileNames(subjects);
    std::map<const ConfigRecord*, QString> paths;
    for (std::size_t i = 0; i < stations.size(); ++i) {
        paths.emplace(stations[i].get(), QDir(*folder).filePath(names[i]));
    }
    RunStationBatch(Text(kStrBatchBackupTitle), stations,
                    ReadAndSave(Runner().Bodies().read, std::move(paths)), {}, {}, this);
}

std::function<void(std::size_t)>
ChooserWindow::MarkRestartingEach(const std::vector<std::shared_ptr<ConfigRecord>>& stations) {
    return [chooser = QPointer<ChooserWindow>(this), stations](std::size_t station) {
        if (chooser) {
            chooser->MarkRestarting(*stations[station]); // the station restarts after a restart or an upload
        }
    };
}

} // namespace corvane
