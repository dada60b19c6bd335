// SPDX-License-Identifier: Apache-2.0
// get and set: single properties of a station, a fleet or a configuration file, without JSON documents.
#include "cli/commands.h"
#include "cli/config_io.h"
#include "cli/exit_codes.h"
#include "cli/new_secrets.h"
#include "cli/property_assignment.h"
#include "cli/property_listing.h"
#include "cli/station_edits.h"
#include "cli/station_session.h"
#include "properties/terminal_text.h"

#include <QJsonDocument>
#include <algorithm>

namespace corvane::cli {

namespace {

// The configuration `target` names: a file, or a station read with the command's password and times.
bool ReadTarget(const CommandLine& line, CliIo& io, const QString& target, ConfigRecord& record, int& code) {
    if (NamesConfigurationFile(target)) {
        if (const CommandOption* stationOnly =
                line.FirstOptionOutside({&kJsonOption, &kRevealSecretsOption})) {
            code = UsageError(
                io, QStringLiteral("%1 goes with a station, not with a file").arg(stationOnly->Spelling()));
            return false;
        }
        return LoadInput(io, target, record, code);
    }
    StationTarget station;
    if (QString error; !ParseStationTimes(line, station, error)) {
        code = UsageError(io, error);
        return false;
    }
    if (const Outcome resolved = ResolveTarget(target, station); !resolved.ok()) {
        code = Report(io, resolved);
        return false;
    }
    if (!AskPassword(io, line, station.station.password, code)) {
        return false;
    }
    code = RunInterruptible(io,
                            [&] { return Report(io, ReadConfigurationOf(station, io.interruptFd, record)); });
    return code == kExitSuccess;
}

int RunGet(const CommandLine& line, CliIo& io) {
    if (line.positional().isEmpty()) {
        return UsageError(io, QStringLiteral("expected HOST[:PORT] or FILE.cfg, then the properties"));
    }
    std::vector<const PropertyView*> views;
    for (const QString& word : line.positional().mid(1)) {
        PropertyTag tag = 0;
        if (!ParseTagText(word, tag)) {
            return UsageError(
                io, QStringLiteral("%1 is not a property (corvane show FILE.cfg lists them)").arg(word));
        }
        views.push_back(FindPropertyView(tag));
    }
    if (views.empty()) {
        views = EveryPropertyView();
    }
    ConfigRecord record;
    if (int code = 0; !ReadTarget(line, io, line.positional().front(), record, code)) {
        return code;
    }
    const bool reveal = line.Has(kRevealSecretsOption);
    if (line.Has(kJsonOption)) {
        io.out << TerminalJson(
            QJsonDocument(PropertiesJson(record, views, reveal)).toJson(QJsonDocument::Indented));
    } else {
        PrintProperties(io.out, record, views, reveal);
    }
    return kExitSuccess;
}

int RunSet(const CommandLine& line, CliIo& io) {
    QStringList targets;
    std::vector<Assignment> assignments;
    for (const QString& word : line.positional()) {
        if (!IsAssignment(word)) {
            if (!assignments.empty()) {
                return UsageError(io, QStringLiteral("%1: the stations go before PROPERTY=VALUE").arg(word));
            }
            targets << word;
            continue;
        }
        Assignment& assignment = assignments.emplace_back();
        if (QString error; !ParseAssignment(word, assignment, error)) {
            return UsageError(io, error);
        }
        if (std::count_if(assignments.begin(), assignments.end(),
                          [&](const Assignment& other) { return other.view == assignment.view; }) > 1) {
            return UsageError(io, QStringLiteral("%1 is given twice").arg(TagText(assignment.view->tag)));
        }
    }
    if (QString error; !NewSecrets::Check(line, error)) {
        return UsageError(io, error);
    }
    if (assignments.empty() && !NewSecrets::AnyNamed(line)) {
        return UsageError(io, QStringLiteral("expected PROPERTY=VALUE or a new secret"));
    }
    const bool setsMode = std::any_of(assignments.begin(), assignments.end(),
                                      [](const Assignment& a) { return a.view->tag == MakeTag("raWM"); });
    if (setsMode && NewSecrets::NamesKey(line)) {
        return UsageError(io, QStringLiteral("raWM comes from --bits with a new network password"));
    }
    NewSecrets secrets;
    return RunStationEdits(
        line, io, targets,
        [&](ConfigRecord& record, QString& reason) {
            for (const Assignment& assignment : assignments) {
                if (!ApplyJsonValue(record, *assignment.view, assignment.value, reason)) {
                    return false;
                }
            }
            secrets.ApplyTo(record);
            return true;
        },
        [&] {
            int code = kExitSuccess;
            secrets.Read(io, line, code);
            return code;
        });
}

std::vector<const CommandOption*> SetOptions() {
    std::vector<const CommandOption*> options = StationEditOptions();
    const std::vector<const CommandOption*> secrets = NewSecretOptions();
    options.insert(options.end(), secrets.begin(), secrets.end());
    return options;
}

} // namespace

const Command kGetCommand{
    "get",
    {"HOST[:PORT] [PROPERTY...] [OPTIONS]", "FILE.cfg [PROPERTY...] [--json] [--reveal-secrets]"},
    "print properties of a station or a configuration file by their tags",
    {"Prints the named properties (tags such as raCh or syNm; every property when none is named) of a "
     "station, or of a configuration file (a FILE that is -, ends in .cfg or holds a /), as show lists them; "
     "--json gives one object of export's forms. Passwords, secrets and the network key are hidden unless "
     "revealed.",
     kHostHelp},
    {&kJsonOption, &kRevealSecretsOption, &kPasswordFileOption, &kTimeoutOption},
    {},
    RunGet};

const Command kSetCommand{
    "set",
    {"HOST[:PORT]... PROPERTY=VALUE... [OPTIONS]", "--all [--target ADDR[:PORT]] PROPERTY=VALUE... [OPTIONS]",
     "FILE.cfg PROPERTY=VALUE... (-o OUT.cfg | --dry-run)"},
    "change properties of stations or of a configuration file",
    {"Reads each station, changes only the properties named, and writes it (it then restarts) only when "
     "something changed: a line for each says \"changed\" with the old and new values, \"unchanged\", or why "
     "it failed. A configuration that would break the base station's rules is not written (exit 11 for one "
     "station) unless --no-check. VALUE is what export's JSON holds: text as it is, a whole number, an "
     "address such as 10.0.1.1; tables are not set this way. A FILE.cfg (-, a name ending in .cfg or holding "
     "a /) is changed into -o OUT.cfg, which may be the file itself.",
     "Secrets never come from the command line: the new base station password from "
     "--station-password-file, the network key from --network-password-file with --bits, the RADIUS shared "
     "secrets from --radius-secret-file and --secondary-radius-secret-file; each FILE's first line, or with "
     "- typed "
     "(twice at a terminal) or the next line of standard input, before the base station's own password.",
     "One station named gives its own exit status (as write: 3, 4, 8, 9, 11); with --dry-run 1 when "
     "something would change.",
     kHostHelp, kFleetHelp},
    SetOptions(),
    {},
    RunSet};

} // namespace corvane::cli
