// SPDX-License-Identifier: Apache-2.0
#include "cli/cli.h"

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "config/program_version.h"

#include <algorithm>
#include <vector>

namespace corvane::cli {

namespace {

const std::vector<const Command*>& Commands() {
    static const std::vector<const Command*> commands = {
        &kDiscoverCommand, &kReadCommand, &kWriteCommand, &kRestartCommand, &kUploadCommand, &kBackupCommand,
        &kGetCommand,      &kSetCommand,  &kAclCommand,   &kPortmapCommand, &kShowCommand,   &kExportCommand,
        &kImportCommand,   &kDiffCommand, &kCheckCommand, &kKeyCommand,
    };
    return commands;
}

const char* const kAbout = "usage: corvane COMMAND [ARGUMENTS] | --help | --version\n"
                           "Administers Corvane base stations and their configuration files.\n";

const char* const kGeneralHelp =
    "HOST is a dotted quad with an optional :PORT (default 5009), or a host name. A FILE that is read may be "
    "-\n"
    "for standard input; -- ends the options (for names that begin with -). Every command that talks to a "
    "base\n"
    "station asks for its password: typed at the terminal without echo, read from the first line of "
    "standard\n"
    "input, or from the first line of --password-file FILE; never from the command line. Its operations end\n"
    "after --timeout SECONDS (default 120) however the base station behaves. Every failure prints the "
    "status\n"
    "code and the message the desktop utility shows.\n"
    "\n"
    "Exit status:\n"
    "  0    success\n"
    "  1    diff: the configurations differ; write and set --dry-run: something would change\n"
    "  2    the command line is not valid\n"
    "  3    a base-station operation failed (its status code is printed)\n"
    "  4    the base station refused the password (status -16)\n"
    "  5    an input file could not be read or is not valid\n"
    "  6    an output file could not be written (the previous file is kept)\n"
    "  7    a password or JSON document is not valid\n"
    "  8    --wait: the station did not come back after its restart\n"
    "  9    --wait: the station came back with settings other than those written\n"
    "  10   a command for several stations failed for some of them (their lines say why)\n"
    "  11   the configuration breaks the base station's rules (each broken rule is printed)\n"
    "  130  interrupted while waiting for a base station (status -5)\n"
    "  128+N  ended by signal N (SIGHUP 129, SIGINT 130, SIGTERM 143); no partial file is left\n";

// corvane --help: the commands, a line each, and what they have in common.
QString ToolHelp() {
    QString text = QString::fromLatin1(kAbout);
    text += QStringLiteral("\nCommands (corvane COMMAND --help tells a command's arguments and options):\n");
    for (const Command* command : Commands()) {
        text +=
            QStringLiteral("  %1  %2\n").arg(QString::fromLatin1(command->name), -8).arg(command->summary);
    }
    return text + QLatin1Char('\n') + QString::fromLatin1(kGeneralHelp);
}

const Command* FindCommand(const QString& name) {
    const auto found = std::find_if(Commands().begin(), Commands().end(), [&](const Command* command) {
        return name == QLatin1String(command->name);
    });
    return found == Commands().end() ? nullptr : *found;
}

int PrintHelp(CliIo& io, const QString& text) {
    io.out << text << Qt::flush;
    return kExitSuccess;
}

} // namespace

int Fail(CliIo& io, int code, const QString& text) {
    io.err << "corvane: " << text << Qt::endl;
    return code;
}

int UsageError(CliIo& io, const QString& text) {
    io.err << "corvane: " << text << "\n(see corvane --help)" << Qt::endl;
    return kExitUsage;
}

int RunCli(const QStringList& args, CliIo& io) {
    if (args.isEmpty()) {
        return UsageError(io, QStringLiteral("a command is needed"));
    }
    const QString& name = args.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        return PrintHelp(io, ToolHelp());
    }
    if (name == QLatin1String("--version")) {
        return PrintHelp(io, QStringLiteral("corvane %1\n").arg(QLatin1String(kProgramVersion)));
    }
    const Command* command = FindCommand(name);
    if (command == nullptr) {
        return UsageError(io, QStringLiteral("unknown command %1").arg(name));
    }
    const QStringList words = args.mid(1);
    if (words.mid(0, words.indexOf(QLatin1String("--"))).contains(QLatin1String("--help"))) {
        return PrintHelp(io, command->HelpText());
    }
    CommandLine line(command->AllOptions());
    if (QString error; !line.Parse(words, error)) {
        return UsageError(io, error);
    }
    const int code = command->run(line, io);
    io.out << Qt::flush;
    io.err << Qt::flush;
    return code;
}

} // namespace corvane::cli
