// SPDX-License-Identifier: Apache-2.0
#include "cli/exit_codes.h"
#include "cli/terminal_echo.h"
#include "cli/terminating_signals.h"
#include "cli_test_support.h"
#include "files/temporary_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace corvane::cli::test {
namespace {

// A terminal of the test's own: the pseudo-terminal's other end.
class PseudoTerminal {
public:
    PseudoTerminal() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
            terminal_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
        }
    }
    ~PseudoTerminal() {
        ::close(terminal_);
        ::close(master_);
    }
    int fd() const { return terminal_; }
    bool Echoes() const {
        termios settings{};
        return ::tcgetattr(terminal_, &settings) == 0 && (settings.c_lflag & ECHO) != 0;
    }

private:
    int master_ = -1;
    int terminal_ = -1;
};

// The password prompt turns echo off; every signal that ends the program while it waits turns it back on.
TEST(CliTerminalTest, EchoComesBackWhenASignalEndsThePrompt) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        PseudoTerminal terminal;
        ASSERT_GE(terminal.fd(), 0);
        ASSERT_TRUE(terminal.Echoes());
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            InstallTerminatingSignalHandlers([] { return false; });
            EchoOff quiet(terminal.fd());
            ::raise(signal);
            ::_exit(0); // not reached: the signal ends the process
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
        EXPECT_TRUE(terminal.Echoes()) << "signal " << signal;
    }
}

// A save under way when a signal ends the tool leaves no temporary file behind, whichever thread made it and
// whichever thread the signal reaches; the process still ends by that signal.
TEST(CliTerminalTest, ASignalRemovesTheTemporaryFilesOfSavesUnderWay) {
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        for (const bool toTheProcess : {true, false}) {
            QTemporaryDir dir;
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                InstallTerminatingSignalHandlers([] { return false; });
                std::thread saver([&] {
                    QByteArray name = QFile::encodeName(dir.filePath("Lobby.cfg.XXXXXX"));
                    if (CreateTemporaryFile(name) < 0) {
                        ::_exit(1);
                    }
                });
                saver.join();
                if (toTheProcess) {
                    ::kill(::getpid(), signal);
                } else {
                    ::raise(signal);
                }
                for (;;) {
                    ::pause(); // the signal ends the process
                }
            }
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << signal;
            EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList())
                << "signal " << signal << (toTheProcess ? " to the process" : " to the thread");
        }
    }
}

// Once the tool holds a password it cannot be dumped or attached to by other processes of the user.
TEST(CliTerminalTest, HoldingAPasswordMakesTheProcessNonDumpable) {
    const CliRun run = RunTool({"key", "--bits", "40"}, "\"abcde\"\n");
    ASSERT_EQ(run.exit, kExitSuccess);
    EXPECT_EQ(::prctl(PR_GET_DUMPABLE), 0);
}

} // namespace
} // namespace corvane::cli::test
