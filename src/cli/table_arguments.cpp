// SPDX-License-Identifier: Apache-2.0
#include "cli/table_arguments.h"

#include "cli/cli_messages.h"
#include "config/hex_text.h"
#include "config/table_editing.h"
#include "files/station_text.h"
#include "protocol/host_resolution.h"
#include "rules/table_rules.h"

#include <QRegularExpression>

namespace corvane::cli {

namespace {

bool ReadsAsCorvaneId(const QString& word, MacAddress& id) {
    return ParseMacAddress(word.toStdString(), id);
}

bool ParsePort(const QString& text, const char* name, std::uint16_t& port, QString& error) {
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    if (!digits.match(text).hasMatch() || text.toUInt() > 65535) {
        error = QStringLiteral("%1: expected a port from 0 to 65535, not %2").arg(QLatin1String(name), text);
        return false;
    }
    port = std::uint16_t(text.toUInt());
    return true;
}

} // namespace

bool ParseClientArgument(const QString& id, const QString& description, ClientArgument& client,
                         QString& error) {
    if (const auto refused = CheckCorvaneIdText(id.toStdString(), client.corvaneId)) {
        error = *refused == kStrInvalidCorvaneId ? QStringLiteral("%1: %2").arg(id, MessageText(*refused))
                                                 : MessageText(*refused);
        return false;
    }
    if (QString refused; !ToStationText(description, client.description, &refused)) {
        error = QStringLiteral("the description holds %1, which only Windows-1252 text could hold; a base "
                               "station keeps only Windows-1252")
                    .arg(refused);
        return false;
    }
    if (const auto refused = CheckDescriptionText(client.description)) {
        error = MessageText(*refused);
        return false;
    }
    // The dialog's edit takes no more; a description given whole is refused rather than cut.
    if (client.description.size() >= AclEntry::kDescriptionSize) {
        error = MessageText(kStrDescriptionTooLong);
        return false;
    }
    return true;
}

qsizetype FindCorvaneIdWord(const QStringList& words) {
    for (qsizetype i = 1; i < words.size(); ++i) {
        if (MacAddress id; words[i].isEmpty() || ReadsAsCorvaneId(words[i], id)) {
            return i;
        }
    }
    return -1;
}

bool ParsePortMappingArguments(const QString& publicPort, const QString& privateAddress,
                               const QString& privatePort, PortMapEntry& mapping, QString& error) {
    if (publicPort.isEmpty() || privateAddress.isEmpty() || privatePort.isEmpty()) {
        error = MessageText(kStrFieldsBlank);
        return false;
    }
    std::uint16_t unused = 0;
    const std::string address = privateAddress.toStdString();
    if (!ParseWholeDottedQuad(address, false, mapping.privateAddress, unused)) {
        error = QStringLiteral("PRIVATE-ADDRESS: expected a dotted quad such as 10.0.1.5, not %1")
                    .arg(privateAddress);
        return false;
    }
    return ParsePort(publicPort, "PUBLIC-PORT", mapping.publicPort, error) &&
           ParsePort(privatePort, "PRIVATE-PORT", mapping.privatePort, error);
}

} // namespace corvane::cli
