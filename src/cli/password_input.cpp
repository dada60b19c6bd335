#include "cli/password_input.h"

#include <QFile>
#include <termios.h>

namespace corvane::cli {

namespace {

std::string FirstLine(const QByteArray& bytes) {
    QByteArray line = bytes.left(bytes.indexOf('\n') < 0 ? bytes.size() : bytes.indexOf('\n'));
    if (line.endsWith('\r'))
        line.chop(1);
    return line.toStdString();
}

// Turns echo off on the terminal for its lifetime.
class EchoOff {
public:
    explicit EchoOff(int fd) : fd_(fd) {
        if (::tcgetattr(fd_, &saved_) != 0)
            return;
        termios quiet = saved_;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        quiet.c_lflag |= ECHONL;
        active_ = ::tcsetattr(fd_, TCSAFLUSH, &quiet) == 0;
    }
    ~EchoOff() {
        if (active_)
            ::tcsetattr(fd_, TCSAFLUSH, &saved_);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    int fd_;
    termios saved_{};
    bool active_ = false;
};

} // namespace

std::optional<std::string> ReadSecret(CliIo& io, const QString& passwordFile, const QString& prompt,
                                      QString& error) {
    if (!passwordFile.isEmpty()) {
        QFile file(passwordFile);
        if (!file.open(QIODevice::ReadOnly)) {
            error =
                QStringLiteral("cannot read the password file %1: %2").arg(passwordFile, file.errorString());
            return std::nullopt;
        }
        return FirstLine(file.readAll());
    }
    if (io.inIsTerminal) {
        io.err << prompt << Qt::flush;
        EchoOff quiet(io.inFd);
        const QByteArray line = io.in.readLine();
        if (line.isEmpty()) {
            error = QStringLiteral("no password was typed");
            return std::nullopt;
        }
        return FirstLine(line);
    }
    const QByteArray line = io.in.readLine();
    if (line.isEmpty()) {
        error = QStringLiteral("no password on standard input (use --password-file, or a terminal)");
        return std::nullopt;
    }
    return FirstLine(line);
}

} // namespace corvane::cli
