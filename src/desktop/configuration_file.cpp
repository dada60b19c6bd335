#include "desktop/configuration_file.h"

#include "config/config_file.h"
#include "strings/ids/string_ids.h"
#include "strings/message_format.h"
#include "strings/string_table.h"
#include "widgets/whole_file.h"

#include <QFileInfo>
#include <QSaveFile>
#include <vector>

namespace corvane {

bool ReadConfigurationFile(const QString& path, ConfigRecord& record) {
    std::vector<std::uint8_t> bytes;
    return ReadWholeFile(path, bytes) == 0 && !bytes.empty() &&
           ReadConfigFile(record, bytes.size(), bytes.data()) == 0;
}

bool WriteConfigurationFile(const QString& path, const ConfigRecord& record) {
    std::vector<std::uint8_t> image;
    if (WriteConfigFile(record, image) != 0) {
        return false;
    }
    const bool existed = QFileInfo::exists(path);
    // Written beside the old file and renamed over it only once all of it is on disk.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (!existed && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        file.cancelWriting();
        return false;
    }
    const auto size = qint64(image.size());
    // The flush is checked on its own: commit() can miss a failure of the last buffered write.
    if (file.write(reinterpret_cast<const char*>(image.data()), size) != size || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

FileDialogRequest ConfigurationFileRequest(FileDialogRequest::Kind kind, std::string_view stationName) {
    return {
        kind, QString::fromUtf8(ResourceString(kStrConfigFileFilter)),
        QString::fromUtf8(ResourceString(kStrConfigFileExtension)),
        QString::fromStdString(FormatResourceText(ResourceString(kStrConfigFileNamePattern), stationName))};
}

} // namespace corvane
