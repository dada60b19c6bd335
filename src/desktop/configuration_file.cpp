// SPDX-License-Identifier: Apache-2.0
#include "desktop/configuration_file.h"

#include "config/config_file.h"
#include "files/bounded_read.h"
#include "files/file_name.h"
#include "files/save_file.h"
#include "files/station_text.h"
#include "strings/ids/string_ids.h"
#include "strings/message_format.h"
#include "strings/string_table.h"

#include <vector>

namespace corvane {

bool ReadConfigurationFile(const QString& path, ConfigRecord& record) {
    QByteArray bytes;
    return ReadWholeFile(path, bytes) == 0 && !bytes.isEmpty() &&
           ReadConfigFile(record, std::size_t(bytes.size()),
                          reinterpret_cast<const std::uint8_t*>(bytes.constData())) == 0;
}

bool WriteConfigurationFile(const QString& path, const ConfigRecord& record) {
    std::vector<std::uint8_t> image;
    if (WriteConfigFile(record, image) != 0) {
        return false;
    }
    QString reason; // the user sees one message for every failure
    return SaveFileAtomically(path, QByteArrayView(image), reason);
}

FileDialogRequest ConfigurationFileRequest(FileDialogRequest::Kind kind, std::string_view stationName) {
    return {
        kind,
        QString::fromUtf8(ResourceString(kStrConfigFileFilter)),
        QString::fromUtf8(ResourceString(kStrConfigFileExtension)),
        QString::fromStdString(FormatResourceText(ResourceString(kStrConfigFileNamePattern),
                                                  PlainFileName(FromStationText(stationName)).toStdString())),
        {}};
}

} // namespace corvane
