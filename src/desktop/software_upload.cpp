// SPDX-License-Identifier: Apache-2.0
#include "desktop/software_upload.h"

#include "config/status_codes.h"
#include "desktop/software_image.h"
#include "files/bounded_read.h"
#include "protocol/station_exchanges.h"
#include "runner/operation_runner.h"
#include "strings/ids/string_ids.h"
#include "strings/string_table.h"
#include "widgets/file_dialog.h"

#include <limits>
#include <span>

namespace corvane {
namespace {

int Upload(OperationRunner& runner, ConfigRecord& record, std::span<const std::uint8_t> image) {
    const UploadArgs args = ImageUploadArgs(image);
    return runner.UploadSoftware(record, args.size, args.data, 0);
}

std::span<const std::uint8_t> Bytes(const QByteArray& image) {
    return {reinterpret_cast<const std::uint8_t*>(image.constData()), std::size_t(image.size())};
}

} // namespace

UploadArgs ImageUploadArgs(std::span<const std::uint8_t> image) {
    // Sizes past 32 bits cannot be a software image; they reach the upload as "too large" instead of
    // wrapping round.
    constexpr std::size_t kLargest = std::numeric_limits<std::uint32_t>::max();
    return {std::uint32_t(image.size() > kLargest ? kLargest : image.size()), image.data(), kUploadRestart};
}

int ReadSoftwareFile(const QString& path, QByteArray& image) {
    // A file too large to read is too large an image as well, refused before any connection.
    return ReadWholeFile(path, image, session_status::kTooLarge);
}

FileDialogRequest SoftwareFileRequest() {
    return {FileDialogRequest::Kind::Open,
            QString::fromUtf8(ResourceString(kStrSoftwareFileFilter)),
            QString::fromUtf8(ResourceString(kStrSoftwareFileExtension)),
            QString::fromUtf8(ResourceString(kStrSoftwareFileDefaultName)),
            {}};
}

std::optional<QString> AskSoftwareFile(QWidget* parent) {
    return AskFileName(parent, SoftwareFileRequest());
}

int UploadImageFile(OperationRunner& runner, ConfigRecord& record, const QString& path) {
    QByteArray image;
    if (const int status = ReadSoftwareFile(path, image); status != 0) {
        return status;
    }
    return Upload(runner, record, Bytes(image));
}

int UploadDefaultImage(OperationRunner& runner, ConfigRecord& record) {
    std::span<const std::uint8_t> image;
    if (const int status = DefaultSoftwareImage(image); status != 0) {
        return status;
    }
    return Upload(runner, record, image);
}

} // namespace corvane
