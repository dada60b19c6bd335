// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/table_entries.h"

#include <QString>
#include <QStringList>
#include <string>

namespace corvane::cli {

// The words of acl and portmap that say which entry: read by the rules of the Add Client and Edit Port
// Mapping dialogs, with their messages, before any station is asked.

// A client of the access list: its Corvane ID and (for add) its description as station text.
struct ClientArgument {
    MacAddress corvaneId{};
    std::string description;
};

// The ID as the Add Client dialog reads it (colons, hyphens or spaces anywhere, either case; what follows
// the twelfth digit is ignored): message 125 when empty, 127 when not an ID. The description: Windows-1252,
// no line break or NUL (message 168), at most 33 characters (170). False with the message.
bool ParseClientArgument(const QString& id, const QString& description, ClientArgument& client,
                         QString& error);

// Where the Corvane ID stands among `words` (the stations, the ID, then perhaps a description): the first
// word after the first that is empty or reads as an ID; -1 when there is none.
qsizetype FindCorvaneIdWord(const QStringList& words);

// PUBLIC-PORT PRIVATE-ADDRESS PRIVATE-PORT, in the order of the Edit Port Mapping dialog and its list:
// message 125 when one is empty; ports are whole numbers from 0 to 65535, the address a dotted quad. False
// with the message.
bool ParsePortMappingArguments(const QString& publicPort, const QString& privateAddress,
                               const QString& privatePort, PortMapEntry& mapping, QString& error);

} // namespace corvane::cli
