// SPDX-License-Identifier: Apache-2.0
// The chooser's station commands: each confirms where wireless clients could lose their connection, asks for
// the password, runs the exchange through the operation runner and then opens a window, starts the countdown
// or reports the failure with message 134.
#include "app/chooser_window.h"
#include "config/config_record.h"
#include "config/status_codes.h"
#include "desktop/choose_other_dialog.h"
#include "desktop/software_image.h"
#include "desktop/software_upload.h"
#include "protocol/discovery_datagrams.h"
#include "protocol/message_header.h"
#include "runner/operation_runner.h"
#include "strings/ids/string_ids.h"
#include "strings/string_table.h"
#include "widgets/messages.h"

#include <arpa/inet.h>

namespace corvane {

void ChooserWindow::ConfigureSelectedStation() {
    const std::shared_ptr<ConfigRecord> selected = GetSelectedStation(false);
    if (!selected || GetSelectedStations().size() > 1) { // a window configures one station
        return;
    }
    if ((selected->stationFlags & kStationFlagReset) != 0) {
        if (ShowFormattedMessage(kStrNoteCaption, kStrStationReset, true) == 1) {
            UploadDefaultSoftware(std::string(kFactoryPassword), false);
        }
        return;
    }
    if (const std::shared_ptr<ConfigRecord> record = GetSelectedStation(true)) {
        OpenStation(record);
    }
}

void ChooserWindow::OpenStation(const std::shared_ptr<ConfigRecord>& record) {
    const int status = Runner().ReadConfiguration(*record);
    if (status != 0) {
        ReportStatus(kStrStationAccessError, status, false);
    } else if (!OpenConfigWindow(record.get())) {
        ReportStatus(kStrStationAccessError, file_status::kOutOfMemory, false);
    }
}

void ChooserWindow::ChooseOtherStation() {
    ChooseOtherDialog dialog;
    std::string address;
    std::string password;
    if (!dialog.Run(address, password)) {
        return;
    }
    // The sockets library's dotted-address parser, no name lookup; this station never joins the list.
    auto record = std::make_shared<ConfigRecord>();
    record->stationAddress = ntohl(::inet_addr(address.c_str()));
    record->adminPassword = password;
    OpenStation(record);
}

void ChooserWindow::RestartSelectedStation() {
    if (GetSelectedStations().size() > 1) {
        RestartStations();
        return;
    }
    if (ShowMessage(kStrConfirmRestart, 0, true) != 1) {
        return;
    }
    const std::shared_ptr<ConfigRecord> record = GetSelectedStation(true);
    if (!record) {
        return;
    }
    ReportOrMarkRestarting(*record, Runner().RestartBaseStation(*record));
}

void ChooserWindow::UploadSoftwareFile() {
    if (GetSelectedStations().size() > 1) {
        const std::vector<std::shared_ptr<ConfigRecord>> stations = PrepareBatch(kStrConfirmUploadStations);
        const std::optional<QString> path = stations.empty() ? std::nullopt : AskSoftwareFile(this);
        if (!path) {
            return;
        }
        QByteArray image;
        if (const int status = ReadSoftwareFile(*path, image); status != 0) {
            ReportStatus(kStrStationAccessError, status, false);
            return;
        }
        UploadToStations(
            {reinterpret_cast<const std::uint8_t*>(image.constData()), std::size_t(image.size())}, stations);
        return;
    }
    if (ShowMessage(kStrConfirmUpload, 0, true) != 1) {
        return;
    }
    const std::shared_ptr<ConfigRecord> record = GetSelectedStation(true);
    if (!record) {
        return;
    }
    const std::optional<QString> path = AskSoftwareFile(this);
    if (!path) {
        return;
    }
    ReportOrMarkRestarting(*record, UploadImageFile(Runner(), *record, *path));
}

void ChooserWindow::ReportOrMarkRestarting(const ConfigRecord& record, int status) {
    if (status != 0) {
        ReportStatus(kStrStationAccessError, status, false);
    } else {
        MarkRestarting(record); // the station restarts after a restart or an upload
    }
}

void ChooserWindow::UploadDefaultSoftware(const std::optional<std::string>& password, bool confirm) {
    if (!password && GetSelectedStations().size() > 1) {
        const std::vector<std::shared_ptr<ConfigRecord>> stations =
            PrepareBatch(confirm ? std::optional(kStrConfirmUploadStations) : std::nullopt);
        if (stations.empty()) {
            return;
        }
        std::span<const std::uint8_t> image;
        if (const int status = DefaultSoftwareImage(image); status != 0) {
            ReportStatus(kStrStationAccessError, status, false);
            return;
        }
        UploadToStations(image, stations);
        return;
    }
    if (confirm && ShowMessage(kStrConfirmUpload, 0, true) != 1) {
        return;
    }
    const std::shared_ptr<ConfigRecord> record = GetSelectedStation(!password.has_value());
    if (!record) {
        return;
    }
    if (password) {
        record->adminPassword = *password;
    }
    ReportOrMarkRestarting(*record, UploadDefaultImage(Runner(), *record));
}

} // namespace corvane
