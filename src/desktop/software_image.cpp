// SPDX-License-Identifier: Apache-2.0
#include "desktop/software_image.h"

#include "strings/ids/string_ids.h"
#include "strings/string_table.h"

#include <QResource>
#include <QString>

namespace corvane {

int DefaultSoftwareImage(std::span<const std::uint8_t>& image) {
    // Type "Firmware", name "FirmwareImage", as the program has always carried it.
    const QString name =
        QStringLiteral(":/%1/%2").arg(QString::fromUtf8(ResourceString(kStrFirmwareResourceType)),
                                      QString::fromUtf8(ResourceString(kStrFirmwareResourceName)));
    const QResource resource(name);
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.data() == nullptr) {
        return software_status::kDefaultImageMissing;
    }
    if (resource.size() == 0) {
        return software_status::kDefaultImageEmpty;
    }
    image = {resource.data(), static_cast<std::size_t>(resource.size())};
    return 0;
}

} // namespace corvane
