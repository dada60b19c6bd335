// SPDX-License-Identifier: Apache-2.0
// The tool's command line: each command's own --help, the command list, and options shared by several
// commands read alike in each.
#include "cli/exit_codes.h"
#include "cli_test_support.h"
#include "config/program_version.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvane::cli::test {
namespace {

const QStringList kCommands = {"discover", "read", "write",  "restart", "upload", "backup", "get",
                               "set",      "show", "export", "import",  "diff",   "check",  "key"};

// The line corvane --help gives each command.
QString CommandLineOf(const QString& help, const QString& command) {
    for (const QString& line : help.split('\n')) {
        if (line.startsWith("  " + command + " ")) {
            return line;
        }
    }
    return {};
}

TEST(CliHelpTest, ToolHelpListsEveryCommandOnALineOfItsOwn) {
    const QString help = RunTool({"--help"}).out;
    for (const QStringList& asked : {QStringList{"--help"}, QStringList{"-h"}, QStringList{"help"}}) {
        const CliRun run = RunTool(asked);
        EXPECT_EQ(run.exit, kExitSuccess) << asked.join(' ').toStdString();
        EXPECT_EQ(run.out, help) << asked.join(' ').toStdString();
    }
    EXPECT_TRUE(help.contains("Exit status:"));
    for (const QString& command : kCommands) {
        EXPECT_FALSE(CommandLineOf(help, command).isEmpty()) << command.toStdString();
    }
}

// The version from the one place it is set; the usage names the option.
TEST(CliHelpTest, VersionIsTheProjectsVersion) {
    const CliRun run = RunTool({"--version"});
    EXPECT_EQ(run.exit, kExitSuccess);
    EXPECT_EQ(run.out, QStringLiteral("corvane %1\n").arg(QLatin1String(kProgramVersion)));
    EXPECT_TRUE(
        QString::fromLatin1(kProgramVersion).contains(QRegularExpression("^[0-9]+\\.[0-9]+\\.[0-9]+$")));
    EXPECT_TRUE(RunTool({"--help"}).out.contains("--version"));
}

// corvane COMMAND --help tells that command alone: its usage and options, nothing of the others.
TEST(CliHelpTest, CommandHelpIsThatCommandsAlone) {
    const QString toolHelp = RunTool({"--help"}).out;
    struct Case {
        QStringList args;
        QString command;
        QStringList options; // some that its help lists
    };
    const Case cases[] = {
        {{"write", "--help"},
         "write",
         {"--dry-run", "--backup FILE.cfg", "--wait[=SECONDS]", "--password-file FILE"}},
        {{"write", "10.0.0.1", "a.cfg", "--dry-run", "--help"},
         "write",
         {"--reveal-secrets", "--timeout SECONDS"}},
        {{"discover", "--help"}, "discover", {"--json", "--target ADDR[:PORT]"}},
        {{"read", "--help"}, "read", {"-o FILE.cfg", "--timeout SECONDS"}},
        {{"restart", "--help"}, "restart", {"--wait[=SECONDS]"}},
        {{"upload", "--help"}, "upload", {"--all", "--keep-going", "--json"}},
        {{"backup", "--help"}, "backup", {"--all", "--target ADDR[:PORT]", "--json"}},
        {{"get", "--help"}, "get", {"--json", "--reveal-secrets", "--password-file FILE"}},
        {{"set", "--help"},
         "set",
         {"--all", "--backup DIR", "--keep-going", "--no-check", "--station-password-file FILE",
          "--network-password-file FILE", "--bits 40|128", "--radius-secret-file FILE"}},
        {{"show", "--help"}, "show", {"--json", "--reveal-secrets"}},
        {{"export", "--help"}, "export", {}},
        {{"import", "--help"}, "import", {"-o FILE.cfg"}},
        {{"diff", "--help"}, "diff", {"--reveal-secrets"}},
        {{"key", "--help"}, "key", {"--bits 40|128", "--password-file FILE"}},
    };
    for (const Case& c : cases) {
        const std::string name = c.args.join(' ').toStdString();
        const CliRun run = RunTool(c.args);
        EXPECT_EQ(run.exit, kExitSuccess) << name;
        EXPECT_TRUE(run.err.isEmpty()) << name;
        EXPECT_TRUE(run.out.startsWith("usage: corvane " + c.command + " ")) << name << "\n"
                                                                             << run.out.toStdString();
        for (const QString& option : c.options) {
            EXPECT_TRUE(run.out.contains("  " + option + "  ")) << name << ": " << option.toStdString();
        }
        EXPECT_FALSE(run.out.contains("Exit status:")) << name;
        for (const QString& other : kCommands) {
            if (other != c.command) {
                EXPECT_FALSE(run.out.contains("corvane " + other)) << name << ": " << other.toStdString();
                EXPECT_FALSE(run.out.contains(CommandLineOf(toolHelp, other).mid(12)))
                    << name << ": " << other.toStdString();
            }
        }
    }
    // After "--" it is a file name.
    EXPECT_EQ(RunTool({"show", "--", "--help"}).exit, kExitReadFailed);
}

// An option several commands take is read the same way by each: the same result for the same words.
TEST(CliSharedOptionTest, ReadAlikeInEveryCommandThatTakesIt) {
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing");
    struct Case {
        QStringList first;
        QStringList second;
        int exit;
        QString message;
    };
    const Case cases[] = {
        {{"show", "a.cfg", "--json=yes"}, {"discover", "--json=yes"}, kExitUsage, "unknown option --json"},
        {{"show", "a.cfg", "-json"}, {"discover", "-json"}, kExitUsage, "unknown option -json"},
        {{"diff", "a.cfg", "b.cfg", "--reveal-secrets=1"},
         {"show", "a.cfg", "--reveal-secrets=1"},
         kExitUsage,
         "unknown option --reveal-secrets"},
        {{"discover", "--target"},
         {"backup", "--all", "d", "--target"},
         kExitUsage,
         "--target needs a value"},
        {{"discover", "--target", "example.org"},
         {"backup", "--all", "--target=example.org", "d"},
         kExitUsage,
         "--target needs ADDR[:PORT] with a dotted-quad address"},
        {{"restart", "10.0.0.1", "--timeout", "soon"},
         {"backup", "10.0.0.1", "d", "--timeout=soon"},
         kExitUsage,
         "--timeout takes a number of seconds above 0"},
        {{"restart", "10.0.0.1", "--wait=0"},
         {"write", "--wait=0", "10.0.0.1", "a.cfg"},
         kExitUsage,
         "--wait takes a number of seconds above 0 (--wait=SECONDS)"},
        // The last of a repeated option counts: a bare --wait after a bad one is the default wait.
        {{"restart", "--wait=soon", "--wait"},
         {"read", "--wait=soon", "-o", "x.cfg", "--wait"},
         kExitUsage,
         "expected HOST[:PORT]"},
        {{"restart", "10.0.0.1", "--wait", "--wait=soon"},
         {"upload", "10.0.0.1", "image.bin", "--wait", "--wait=soon"},
         kExitUsage,
         "--wait takes a number of seconds above 0 (--wait=SECONDS)"},
        {{"read", "10.0.0.1", "-o", "x.cfg", "--password-file", missing},
         {"key", "--bits", "40", "--password-file", missing},
         kExitInvalidInput,
         missing},
        {{"read", "10.0.0.1", "--o", "x.cfg"},
         {"import", "a.json", "--o", "x.cfg"},
         kExitUsage,
         "unknown option --o"},
        {{"read", "10.0.0.1", "-o=x.cfg"},
         {"import", "a.json", "-o=x.cfg"},
         kExitUsage,
         "unknown option -o=x.cfg"},
        {{"read", "10.0.0.1", "-o"}, {"import", "a.json", "-o"}, kExitUsage, "-o needs a value"},
    };
    for (const Case& c : cases) {
        const CliRun first = RunTool(c.first, "pw\n");
        const CliRun second = RunTool(c.second, "pw\n");
        const std::string name = c.first.join(' ').toStdString() + " / " + c.second.join(' ').toStdString();
        EXPECT_EQ(first.exit, c.exit) << name << "\n" << first.err.toStdString();
        EXPECT_EQ(second.exit, c.exit) << name << "\n" << second.err.toStdString();
        EXPECT_TRUE(first.err.contains(c.message)) << name << "\n" << first.err.toStdString();
        EXPECT_EQ(first.err, second.err) << name;
    }
}

// Options of upload to several stations are refused for one station, as the tool always has.
TEST(CliSharedOptionTest, UploadToOneStationRefusesTheFleetOptions) {
    for (const char* option : {"--json", "--keep-going", "--target"}) {
        QStringList args{"upload", "10.0.0.1", "image.bin", QString::fromLatin1(option)};
        if (QString::fromLatin1(option) == "--target") {
            args << "10.0.0.255";
        }
        const CliRun run = RunTool(args, "pw\n");
        EXPECT_EQ(run.exit, kExitUsage) << option;
        EXPECT_TRUE(run.err.contains(QStringLiteral("unknown option %1").arg(option)))
            << run.err.toStdString();
    }
}

} // namespace
} // namespace corvane::cli::test
