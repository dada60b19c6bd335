// SPDX-License-Identifier: Apache-2.0
// Shows every dialog of the program in turn and saves a picture of each (with its window frame) through
// ImageMagick's import, so that people can look at them. Run by scripts/screenshots.sh under Xvfb.
#include "config/config_record.h"
#include "config/status_codes.h"
#include "configwindow/changes_dialog.h"
#include "dark_palette.h"
#include "desktop/about_dialog.h"
#include "desktop/batch_progress_dialog.h"
#include "desktop/choose_other_dialog.h"
#include "desktop/configuration_file.h"
#include "desktop/enter_password_dialog.h"
#include "desktop/progress_dialog.h"
#include "desktop/software_upload.h"
#include "desktop/station_batches.h"
#include "pages/add_client_dialog.h"
#include "pages/change_password_dialog.h"
#include "pages/network_password_dialog.h"
#include "pages/port_map_entry_dialog.h"
#include "pages/port_mapping_dialog.h"
#include "resources/icons.h"
#include "strings/ids/icon_ids.h"
#include "strings/ids/string_ids.h"
#include "strings/message_format.h"
#include "strings/string_table.h"
#include "widgets/error_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <functional>
#include <memory>

namespace corvane {
namespace {

std::unique_ptr<ErrorDialog> Message(StringId id, int code, bool cancel) {
    auto dialog = std::make_unique<ErrorDialog>();
    dialog->message = ResourceString(id);
    dialog->errorCode = code;
    dialog->showCancel = cancel;
    return dialog;
}

std::unique_ptr<ErrorDialog> Note(StringId captionId, std::string text) {
    auto dialog = std::make_unique<ErrorDialog>();
    dialog->caption = ResourceString(captionId);
    dialog->message = std::move(text);
    dialog->showCancel = true;
    dialog->icon = kIconNote;
    return dialog;
}

// A restart of five stations as its window shows it, part way or finished after a Cancel.
std::unique_ptr<QWidget> BatchSample(bool finished) {
    const std::vector<BatchRow> rows = {{"Front Office", "10.0.1.2"},
                                        {"Warehouse", "10.0.1.3"},
                                        {"Meeting Room", "10.0.1.4"},
                                        {"Lobby", "10.0.1.5"},
                                        {"Loading Dock", "10.0.1.6"}};
    auto dialog =
        std::make_unique<BatchProgressDialog>(QString::fromUtf8(ResourceString(kStrBatchRestartTitle)), rows);
    dialog->ShowState(0, BatchState::kDone);
    dialog->ShowState(1, BatchState::kFailed, BatchFailureText(session_status::kWrongPassword));
    dialog->ShowState(2, BatchState::kWorking);
    if (finished) {
        dialog->ShowState(2, BatchState::kDone);
        dialog->ShowState(3, BatchState::kNotBegun);
        dialog->ShowState(4, BatchState::kNotBegun);
        dialog->ShowFinished();
    }
    dialog->findChild<QTreeWidget*>()->setCurrentItem(dialog->findChild<QTreeWidget*>()->topLevelItem(1));
    return dialog;
}

// Two configurations apart by a few edits, for Show Changes.
std::unique_ptr<QWidget> ChangesSample() {
    ConfigRecord before;
    before.syNm = "Caf\xE9 Nord";
    before.raNm = "Corvane";
    before.raCh = 3;
    ConfigRecord after = before;
    after.raNm = "Desk";
    after.raCh = 6;
    after.raWM = 1;
    after.raWE = {1, 2, 3, 4, 5};
    after.acTa = {AclEntry{{0x00, 0x11, 0x22, 0x33, 0x44, 0x55}, {'L', 'a', 'p', 't', 'o', 'p'}}};
    return std::make_unique<ChangesDialog>(before, after, nullptr);
}

// A record whose port-mapping table the Port Mapping dialog shows.
ConfigRecord& PortMappingSample() {
    static ConfigRecord record = [] {
        ConfigRecord sample;
        sample.pmTa = {{0x0A000102, 80, 80}, {0x0A000102, 8443, 443}, {0x0A000109, 21, 2121}};
        return sample;
    }();
    return record;
}

// A file dialog of the program, in a folder that holds a few files of each kind it offers.
std::unique_ptr<QWidget> FileDialog(const FileDialogRequest& request) {
    static QTemporaryDir folder;
    for (const char* name : {"Home.cfg", "Office.cfg", "Software v4.1.bin", "Notes.txt"}) {
        QFile file(folder.filePath(QString::fromUtf8(name)));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(QByteArray(4096, '\x5A'));
        }
    }
    std::unique_ptr<QFileDialog> dialog = MakeFileDialog(nullptr, request);
    dialog->setDirectory(folder.path());
    return dialog;
}

// Lets the event loop run while the window manager maps, frames and activates the window.
void Settle() {
    QEventLoop loop;
    QTimer::singleShot(400, &loop, &QEventLoop::quit);
    loop.exec();
}

bool Capture(QWidget& window, const QString& path) {
    window.show();
    Settle();
    const QString id = QString::number(window.winId());
    // The window manager may leave a new window unfocused; an active caption is what people expect to see.
    QProcess::execute(QStringLiteral("xdotool"),
                      {QStringLiteral("windowactivate"), QStringLiteral("--sync"), id});
    Settle();
    return QProcess::execute(QStringLiteral("import"),
                             {QStringLiteral("-window"), id, QStringLiteral("-frame"), path}) == 0;
}

} // namespace
} // namespace corvane

int main(int argc, char** argv) {
    using namespace corvane;
    QApplication application(argc, argv);
    testing::ApplyPaletteFromEnvironment();
    QApplication::setWindowIcon(ResourceIcon(kIconProgram));
    if (argc != 2) {
        std::fprintf(stderr, "usage: corvane_dialog_gallery OUTPUT_DIRECTORY\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const std::pair<const char*, std::function<std::unique_ptr<QWidget>()>> shots[] = {
        {"about", [] { return std::make_unique<AboutDialog>(); }},
        {"error-134-code", [] { return Message(kStrStationAccessError, runner_status::kWaitFailed, false); }},
        {"error-135-wrong-password",
         [] { return Message(kStrWrongPassword, session_status::kWrongPassword, false); }},
        {"error-143-confirm-restart", [] { return Message(kStrConfirmRestart, 0, true); }},
        {"error-144-confirm-upload", [] { return Message(kStrConfirmUpload, 0, true); }},
        {"error-148-write-configuration", [] { return Message(kStrConfigFileWriteError, 0, false); }},
        {"error-149-read-configuration", [] { return Message(kStrConfigFileReadError, 0, false); }},
        {"error-164-ppp-needs-dhcp", [] { return Message(kStrPppNeedsDhcp, 0, false); }},
        {"error-165-dhcp-range-needs-static-ethernet",
         [] { return Message(kStrDhcpRangeNeedsStaticEthernet, 0, false); }},
        {"error-166-network-name", [] { return Message(kStrIllegalNetworkName, 0, false); }},
        {"error-168-description-line-break", [] { return Message(kStrDescriptionLineBreak, 0, false); }},
        {"note-151-equivalent-password",
         [] {
             auto note = Note(kStrEquivalentPasswordCaption,
                              FormatResourceText(ResourceString(kStrEquivalentPasswordText), "4A6F686E20"));
             note->showCancel = false;
             return note;
         }},
        {"note-158-reset-station",
         [] { return Note(kStrNoteCaption, std::string(ResourceString(kStrStationReset))); }},
        {"enter-password", [] { return std::make_unique<EnterPasswordDialog>(); }},
        {"choose-other", [] { return std::make_unique<ChooseOtherDialog>(); }},
        {"change-password", [] { return std::make_unique<ChangePasswordDialog>(); }},
        {"change-network-password", [] { return std::make_unique<NetworkPasswordDialog>(); }},
        {"port-mapping", [] { return std::make_unique<PortMappingDialog>(&PortMappingSample()); }},
        {"edit-port-mapping", [] { return std::make_unique<PortMapEntryDialog>(); }},
        {"add-client", [] { return std::make_unique<AddClientDialog>(); }},
        {"show-changes", ChangesSample},
        {"note-172-confirm-restart-stations",
         [] {
             return Note(kStrNoteCaption,
                         FormatResourceText(ResourceString(kStrConfirmRestartStations), std::size_t(3)));
         }},
        {"batch-progress-running", [] { return BatchSample(false); }},
        {"batch-progress-finished", [] { return BatchSample(true); }},
        {"file-back-up-folder",
         [] {
             return FileDialog({FileDialogRequest::Kind::Folder,
                                {},
                                {},
                                {},
                                QString::fromUtf8(ResourceString(kStrBackupFolderCaption))});
         }},
        {"progress",
         [] {
             return std::make_unique<ProgressDialog>(ProgressSpec{kStrProgressReading, false});
         }},
        {"progress-138-updating",
         [] {
             return std::make_unique<ProgressDialog>(ProgressSpec{kStrProgressUpdating, false});
         }},
        {"progress-139-restarting",
         [] {
             return std::make_unique<ProgressDialog>(ProgressSpec{kStrProgressRestarting, false});
         }},
        {"progress-140-uploading",
         [] {
             return std::make_unique<ProgressDialog>(ProgressSpec{kStrProgressUploading, false});
         }},
        {"file-save-as",
         [] { return FileDialog(ConfigurationFileRequest(FileDialogRequest::Kind::Save, "Home")); }},
        {"file-import-settings",
         [] { return FileDialog(ConfigurationFileRequest(FileDialogRequest::Kind::Open, "")); }},
        {"file-upload-software", [] { return FileDialog(SoftwareFileRequest()); }},
    };
    int failures = 0;
    for (const auto& [name, make] : shots) {
        const std::unique_ptr<QWidget> dialog = make();
        const QString path = out.filePath(QString::fromUtf8(name) + QStringLiteral(".png"));
        if (!Capture(*dialog, path)) {
            std::fprintf(stderr, "could not capture %s\n", name);
            ++failures;
        }
        dialog->hide();
    }
    return failures == 0 ? 0 : 1;
}
