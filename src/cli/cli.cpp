#include "cli/cli.h"

#include "cli/commands.h"
#include "cli/exit_codes.h"

#include <functional>
#include <map>

namespace corvane::cli {

const char* const kUsage =
    "usage: corvane COMMAND [ARGUMENTS]\n"
    "Administers Corvane base stations and their configuration files.\n"
    "\n"
    "Base stations (HOST is a dotted quad with an optional :PORT, default 5009, or a host name):\n"
    "  discover [--json] [--target ADDR[:PORT]]   one scan (default 255.255.255.255:192): name, address, "
    "MAC\n"
    "                                             addresses, flags and restart time of every station "
    "answering\n"
    "  read HOST[:PORT] -o FILE.cfg               read a station's configuration into a file\n"
    "  write HOST[:PORT] FILE.cfg                 write a configuration file to a station (it then "
    "restarts)\n"
    "    --dry-run [--json] [--reveal-secrets]    only show what would change, as diff does (exit 1 when "
    "something\n"
    "                                             would, 0 when nothing would); nothing is sent\n"
    "    --backup FILE.cfg                        first save the station's configuration (owner-only); "
    "no write\n"
    "                                             happens when it cannot be saved\n"
    "    --wait[=SECONDS]                         then wait for it to come back and read it back: exit 8 "
    "when it\n"
    "                                             does not, 9 when it holds other settings than written\n"
    "  restart HOST[:PORT] [--wait[=SECONDS]]     restart a station\n"
    "  upload HOST[:PORT] IMAGE.bin [--wait[=SECONDS]]\n"
    "                                             upload base-station software (the station then restarts)\n"
    "  --wait waits (default 60 s) until the station answers a discovery request sent to it with an up-time\n"
    "  that began after the restart (its discovery port 192).\n"
    "\n"
    "Fleets (8 stations at a time, one password for all; a line per station as it ends, then a summary;\n"
    "exit 10 unless every station succeeded; --json for one JSON document instead):\n"
    "  backup HOST... DIR | backup --all [--target ADDR[:PORT]] DIR\n"
    "                                             save each station's configuration as DIR/NAME-WANMAC.cfg\n"
    "                                             (owner-only; the name made safe for file systems); --all\n"
    "                                             scans first, as discover does\n"
    "  upload HOST... IMAGE.bin | upload --all [--target ADDR[:PORT]] IMAGE.bin [--wait[=SECONDS]]\n"
    "         [--keep-going]                      upload software to each station; with --wait the first\n"
    "                                             station goes alone, and none begins after a station that\n"
    "                                             did not come back unless --keep-going\n"
    "  Progress (\"12/40 stations\", a spinner while waiting) is shown when standard error is a terminal.\n"
    "  Every command above but discover asks for the base station's password: typed at the terminal without\n"
    "  echo, read from the first line of standard input, or from the first line of --password-file FILE.\n"
    "  Never from the command line.\n"
    "\n"
    "Configuration files:\n"
    "  show FILE.cfg [--json] [--reveal-secrets]  every property with its tag, meaning and value; "
    "passwords,\n"
    "                                             secrets and the network key are hidden unless revealed\n"
    "  export FILE.cfg                            the configuration as JSON on standard output (stable "
    "order,\n"
    "                                             secrets included, so import gives the same file back)\n"
    "  import FILE.json -o FILE.cfg               a configuration file from JSON; properties the JSON "
    "leaves\n"
    "                                             out keep their defaults, so {} gives the default "
    "configuration\n"
    "  diff A.cfg B.cfg [--reveal-secrets]        the properties that differ\n"
    "\n"
    "Keys:\n"
    "  key --bits 40|128 [--password-file FILE]   reads a network password (as the password above) and "
    "prints\n"
    "                                             the equivalent network password: the key in hexadecimal\n"
    "\n"
    "A FILE that is read may be - for standard input; -- ends the options (for names that begin with -).\n"
    "Station operations end after --timeout SECONDS (default 120) however the base station behaves.\n"
    "Every failure prints the status code and the message the desktop utility shows.\n"
    "Exit status:\n"
    "  0    success\n"
    "  1    diff: the configurations differ\n"
    "  2    the command line is not valid\n"
    "  3    a base-station operation failed (its status code is printed)\n"
    "  4    the base station refused the password (status -16)\n"
    "  5    an input file could not be read or is not valid\n"
    "  6    an output file could not be written (the previous file is kept)\n"
    "  7    a password or JSON document is not valid\n"
    "  8    --wait: the station did not come back after its restart\n"
    "  9    --wait: the station came back with settings other than those written\n"
    "  10   a fleet command failed for some of its stations (their lines say why)\n"
    "  130  interrupted while waiting for a base station (status -5)\n";

int Fail(CliIo& io, int code, const QString& text) {
    io.err << "corvane: " << text << Qt::endl;
    return code;
}

int UsageError(CliIo& io, const QString& text) {
    io.err << "corvane: " << text << "\n(see corvane --help)" << Qt::endl;
    return kExitUsage;
}

int RunCli(const QStringList& args, CliIo& io) {
    static const std::map<QString, std::function<int(const QStringList&, CliIo&)>> kCommands = {
        {QStringLiteral("discover"), RunDiscover}, {QStringLiteral("read"), RunRead},
        {QStringLiteral("write"), RunWrite},       {QStringLiteral("restart"), RunRestart},
        {QStringLiteral("upload"), RunUpload},     {QStringLiteral("show"), RunShow},
        {QStringLiteral("export"), RunExport},     {QStringLiteral("import"), RunImport},
        {QStringLiteral("diff"), RunDiff},         {QStringLiteral("key"), RunKey},
        {QStringLiteral("backup"), RunBackup},
    };
    if (args.isEmpty())
        return UsageError(io, QStringLiteral("a command is needed"));
    const QString& name = args.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") || name == QLatin1String("help")) {
        io.out << kUsage << Qt::flush;
        return 0;
    }
    const auto command = kCommands.find(name);
    if (command == kCommands.end())
        return UsageError(io, QStringLiteral("unknown command %1").arg(name));
    const QStringList words = args.mid(1);
    if (words.mid(0, words.indexOf(QLatin1String("--"))).contains(QLatin1String("--help"))) {
        io.out << kUsage << Qt::flush;
        return 0;
    }
    const int code = command->second(words, io);
    io.out << Qt::flush;
    io.err << Qt::flush;
    return code;
}

} // namespace corvane::cli
