// SPDX-License-Identifier: Apache-2.0
// acl and portmap: the access list and the port mappings of stations or a configuration file, an entry at a
// time, with the rules of the desktop utility's entry dialogs.
#include "cli/commands.h"
#include "cli/config_io.h"
#include "cli/exit_codes.h"
#include "cli/fleet_command.h"
#include "cli/fleet_report.h"
#include "cli/fleet_schedule.h"
#include "cli/station_edits.h"
#include "cli/table_arguments.h"
#include "config/table_editing.h"
#include "files/station_text.h"
#include "properties/property_view.h"
#include "properties/terminal_text.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace corvane::cli {

namespace {

// What a table command is asked to do, and to which entry.
enum class TableAction { Add, Remove, List };

bool ParseAction(const QStringList& positional, TableAction& action) {
    const QString word = positional.value(0);
    action = word == QLatin1String("add")      ? TableAction::Add
             : word == QLatin1String("remove") ? TableAction::Remove
                                               : TableAction::List;
    return word == QLatin1String("add") || word == QLatin1String("remove") || word == QLatin1String("list");
}

// The access list as the Access Control page stores it: access control is on exactly when clients are listed.
void AccessListChanged(ConfigRecord& record) {
    record.acEn = record.acTa.empty() ? 0 : 1;
}

// Adding a client that is listed gives it the new description; adding it as it is listed changes nothing.
ConfigEdit AddClient(const ClientArgument& client) {
    return [client](ConfigRecord& record, QString&) {
        const AclEntry entry = MakeAclEntry(client.corvaneId, client.description);
        if (std::find(record.acTa.begin(), record.acTa.end(), entry) == record.acTa.end()) {
            StoreAclEntry(record.acTa, client.corvaneId, entry);
            AccessListChanged(record);
        }
        return true;
    };
}

ConfigEdit RemoveClient(const MacAddress& corvaneId) {
    return [corvaneId](ConfigRecord& record, QString&) {
        if (RemoveAclEntries(record.acTa, corvaneId)) {
            AccessListChanged(record);
        }
        return true;
    };
}

// A mapping that is already there, identical in all three fields, stays as it is (the dialog refuses a
// second one).
ConfigEdit AddMapping(const PortMapEntry& mapping) {
    return [mapping](ConfigRecord& record, QString&) {
        AddPortMapping(record.pmTa, mapping);
        return true;
    };
}

ConfigEdit RemoveMapping(const PortMapEntry& mapping) {
    return [mapping](ConfigRecord& record, QString&) {
        RemovePortMappings(record.pmTa, mapping);
        return true;
    };
}

// "HOST (NAME): 2 entries" and the entries, one to a line, as show lists the table.
QString TableText(const QString& source, const ConfigRecord& record, const PropertyView& view) {
    const QString name = record.syNm.empty()
                             ? QString()
                             : QStringLiteral(" (%1)").arg(TerminalText(FromStationText(record.syNm)));
    return source + name + QStringLiteral(": ") + DisplayValue(record, view, false) + QLatin1Char('\n');
}

QJsonObject TableJson(const ConfigRecord& record, const PropertyView& view) {
    return {{TagText(view.tag), JsonValue(record, view, false)}};
}

int ListFile(const CommandLine& line, CliIo& io, const QString& path, const PropertyView& view) {
    if (const CommandOption* stationOnly = line.FirstOptionOutside({&kJsonOption})) {
        return UsageError(
            io, QStringLiteral("%1 goes with stations, not with a file").arg(stationOnly->Spelling()));
    }
    ConfigRecord record;
    if (int code = 0; !LoadInput(io, path, record, code)) {
        return code;
    }
    if (line.Has(kJsonOption)) {
        io.out << TerminalJson(QJsonDocument(TableJson(record, view)).toJson(QJsonDocument::Indented));
    } else {
        io.out << TableText(path, record, view);
    }
    return kExitSuccess;
}

// Reads every station, a line for each as it ends, then each one's table in the order named (or found), then
// the summary; --json: one document with the table in each station's record.
int ListStations(const CommandLine& line, CliIo& io, const QStringList& hosts, const PropertyView& view) {
    if (const CommandOption* other = line.FirstOptionOutside(
            {&kAllOption, &kTargetOption, &kJsonOption, &kPasswordFileOption, &kTimeoutOption})) {
        return UsageError(
            io, QStringLiteral("%1 goes with add and remove, not with list").arg(other->Spelling()));
    }
    FleetCommand command{line, {}, {}, {}};
    int code = 0;
    std::vector<FleetStation> stations;
    if (!ParseFleetCommand({}, hosts, io, command, code) ||
        !AskPassword(io, line, command.model.station.password, code) ||
        !GatherStations(io, command, stations, code)) {
        return code;
    }
    std::vector<ConfigRecord> records(stations.size());
    const bool json = line.Has(kJsonOption);
    FleetReport report(io, json, stations.size());
    ScheduleFleet(
        io, stations,
        [&](FleetStation& station, FleetPlace&) {
            ConfigRecord& record = records[std::size_t(&station - stations.data())];
            station.outcome = ReadConfigurationOf(station.target, io.interruptFd, record);
            if (station.outcome.ok()) {
                station.result = DisplayValue(record, view, false).section(QLatin1Char('\n'), 0, 0);
                station.details = TableJson(record, view);
            }
            return true;
        },
        false, report);
    if (!json) {
        for (std::size_t i = 0; i < stations.size(); ++i) {
            if (stations[i].begun && stations[i].outcome.ok()) {
                io.out << TableText(stations[i].target.host, records[i], view);
            }
        }
    }
    const int exit = report.Finish(stations, QStringLiteral("listed"));
    // One station named: its own exit status, as read gives it.
    return exit == kExitSomeFailed && !line.Has(kAllOption) && stations.size() == 1
               ? stations.front().outcome.exit
               : exit;
}

int List(const CommandLine& line, CliIo& io, const QStringList& targets, const PropertyView& view) {
    if (targets.size() == 1 && NamesConfigurationFile(targets.front()) && !line.Has(kAllOption)) {
        return ListFile(line, io, targets.front(), view);
    }
    return ListStations(line, io, targets, view);
}

// What acl and portmap have in common: the action, and list; `edit` adds or removes with the words after
// the action.
int RunTableCommand(const CommandLine& line, CliIo& io, const char* name, PropertyTag tag,
                    const std::function<int(TableAction, const QStringList&)>& edit) {
    TableAction action{};
    if (!ParseAction(line.positional(), action)) {
        return UsageError(io,
                          QStringLiteral("expected %1 add, %1 remove or %1 list").arg(QLatin1String(name)));
    }
    const QStringList words = line.positional().mid(1);
    if (action == TableAction::List) {
        return List(line, io, words, *FindPropertyView(tag));
    }
    return edit(action, words);
}

int EditAccessList(const CommandLine& line, CliIo& io, TableAction action, const QStringList& words) {
    // With --all the ID comes first; else after the stations, the first word that reads as one.
    const qsizetype at = line.Has(kAllOption) ? 0 : FindCorvaneIdWord(words);
    const qsizetype most = action == TableAction::Add ? 2 : 1;
    if (at < 0 || words.size() <= at || words.size() - at > most) {
        return UsageError(io, action == TableAction::Add
                                  ? QStringLiteral("expected HOST... CORVANE-ID [DESCRIPTION], or --all "
                                                   "CORVANE-ID [DESCRIPTION]; a Corvane ID reads as "
                                                   "00:11:22:33:44:55")
                                  : QStringLiteral("expected HOST... CORVANE-ID, or --all CORVANE-ID; a "
                                                   "Corvane ID reads as 00:11:22:33:44:55"));
    }
    ClientArgument client;
    if (QString error; !ParseClientArgument(words[at], words.value(at + 1), client, error)) {
        return UsageError(io, error);
    }
    const QStringList targets = words.mid(0, at);
    return RunStationEdits(line, io, targets,
                           action == TableAction::Add ? AddClient(client) : RemoveClient(client.corvaneId));
}

int EditPortMappings(const CommandLine& line, CliIo& io, TableAction action, const QStringList& words) {
    constexpr qsizetype kMappingWords = 3;
    if (words.size() < kMappingWords) {
        return UsageError(io, QStringLiteral("expected HOST... PUBLIC-PORT PRIVATE-ADDRESS PRIVATE-PORT, or "
                                             "--all PUBLIC-PORT PRIVATE-ADDRESS PRIVATE-PORT"));
    }
    const QStringList mappingWords = words.mid(words.size() - kMappingWords);
    PortMapEntry mapping;
    if (QString error;
        !ParsePortMappingArguments(mappingWords[0], mappingWords[1], mappingWords[2], mapping, error)) {
        return UsageError(io, error);
    }
    const QStringList targets = words.mid(0, words.size() - kMappingWords);
    return RunStationEdits(line, io, targets,
                           action == TableAction::Add ? AddMapping(mapping) : RemoveMapping(mapping));
}

int RunAcl(const CommandLine& line, CliIo& io) {
    return RunTableCommand(line, io, "acl", MakeTag("acTa"),
                           [&](TableAction action, const QStringList& words) {
                               return EditAccessList(line, io, action, words);
                           });
}

int RunPortmap(const CommandLine& line, CliIo& io) {
    return RunTableCommand(line, io, "portmap", MakeTag("pmTa"),
                           [&](TableAction action, const QStringList& words) {
                               return EditPortMappings(line, io, action, words);
                           });
}

const char* const kTableHelp =
    "Each station is read, changed only when the entry is not already as asked (\"unchanged\" otherwise: "
    "nothing is written), checked against the base station's rules and written (it then restarts), as set "
    "does; a FILE.cfg (-, a name ending in .cfg or holding a /) is changed into -o OUT.cfg. list prints the "
    "table of each station or file (--json: as export's JSON holds it).";

} // namespace

const Command kAclCommand{
    "acl",
    {"add HOST[:PORT]... CORVANE-ID [DESCRIPTION] [OPTIONS]", "add --all CORVANE-ID [DESCRIPTION] [OPTIONS]",
     "remove HOST[:PORT]...|--all CORVANE-ID [OPTIONS]", "list HOST[:PORT]...|--all [--json] [OPTIONS]",
     "add|remove FILE.cfg CORVANE-ID [DESCRIPTION] (-o OUT.cfg | --dry-run)", "list FILE.cfg [--json]"},
    "add, remove or list the clients of stations' access lists",
    {"Adds a wireless client to the access list (access control is on while the list has clients), removes "
     "one, or lists them. CORVANE-ID is read as the Add Client dialog reads it: twelve hexadecimal digits, "
     "colons, hyphens or spaces anywhere among them (00:11:22:33:44:55, 0011-2233-4455); after the stations "
     "it is the first word that reads as one. DESCRIPTION holds at most 33 Windows-1252 characters and no "
     "line break. Adding a listed client gives it the new description; removing takes every entry of the ID.",
     kTableHelp, kHostHelp, kFleetHelp},
    StationEditOptions(),
    {},
    RunAcl};

const Command kPortmapCommand{
    "portmap",
    {"add|remove HOST[:PORT]... PUBLIC-PORT PRIVATE-ADDRESS PRIVATE-PORT [OPTIONS]",
     "add|remove --all PUBLIC-PORT PRIVATE-ADDRESS PRIVATE-PORT [OPTIONS]",
     "list HOST[:PORT]...|--all [--json] [OPTIONS]",
     "add|remove FILE.cfg PUBLIC-PORT PRIVATE-ADDRESS PRIVATE-PORT (-o OUT.cfg | --dry-run)",
     "list FILE.cfg [--json]"},
    "add, remove or list the port mappings of stations",
    {"Forwards a public port of the base station to a private address and port (as the Edit Port Mapping "
     "dialog: 8080 10.0.1.5 80 sends what reaches public port 8080 to port 80 of 10.0.1.5), removes such a "
     "mapping, or lists them. Ports are whole numbers from 0 to 65535, the address a dotted quad. A mapping "
     "identical in all three fields to a listed one is already there (unchanged); mappings that differ in "
     "any field are all kept. Removing takes every mapping identical to the one given.",
     kTableHelp, kHostHelp, kFleetHelp},
    StationEditOptions(),
    {},
    RunPortmap};

} // namespace corvane::cli
