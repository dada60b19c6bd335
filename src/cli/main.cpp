#include "cli/cli.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

int interruptPipe[2] = {-1, -1};
volatile std::sig_atomic_t waitingForStation = 0;

extern "C" void OnInterrupt(int signal) {
    if (!waitingForStation) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    const char byte = 0;
    [[maybe_unused]] const auto ignored = ::write(interruptPipe[1], &byte, 1);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QFile in;
    in.open(stdin, QIODevice::ReadOnly);
    corvane::cli::CliIo io{out, err, in, false, -1, -1, nullptr};
    io.inIsTerminal = ::isatty(STDIN_FILENO) == 1;
    io.inFd = STDIN_FILENO;

    // Ctrl-C while a base station is awaited aborts the wait: the operation ends with -5.
    if (::pipe2(interruptPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        io.interruptFd = interruptPipe[0];
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        ::sigemptyset(&action.sa_mask);
        ::sigaction(SIGINT, &action, nullptr);
        io.interruptible = [](bool waiting) { waitingForStation = waiting ? 1 : 0; };
    }
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return corvane::cli::RunCli(args, io);
}
