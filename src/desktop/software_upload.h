// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "runner/operation_runner.h"
#include "widgets/file_dialog.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <span>

class QWidget;

namespace corvane {

class ConfigRecord;
class OperationRunner;

// The software uploads of the chooser and of a configuration window, one path for both.

// The file dialog for a software image file.
FileDialogRequest SoftwareFileRequest();
// Asks for the software image file to upload; nothing when the user cancelled.
std::optional<QString> AskSoftwareFile(QWidget* parent);

// Reads a software image file whole: 0, or the failure UploadImageFile reports for it.
int ReadSoftwareFile(const QString& path, QByteArray& image);
// The upload arguments of an image, with the restart that follows every upload.
UploadArgs ImageUploadArgs(std::span<const std::uint8_t> image);

// Reads the file whole and uploads it: the file's failure (file_status::kNotOpened, kOutOfMemory, kIncomplete
// or the file-size status; session_status::kTooLarge for a file larger than the programs read) or the
// upload's status.
int UploadImageFile(OperationRunner& runner, ConfigRecord& record, const QString& path);

// Uploads the image the program carries: software_status::kDefaultImageMissing or kDefaultImageEmpty, or the
// upload's status.
int UploadDefaultImage(OperationRunner& runner, ConfigRecord& record);

} // namespace corvane
