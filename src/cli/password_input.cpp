#include "cli/password_input.h"

#include "resources/station_text.h"

#include <QFile>
#include <termios.h>

namespace corvane::cli {

namespace {

// The first line as station text: what a terminal or a file holds is text in the system's encoding.
std::optional<std::string> FirstLine(const QByteArray& bytes, QString& error) {
    QByteArray line = bytes.left(bytes.indexOf('\n') < 0 ? bytes.size() : bytes.indexOf('\n'));
    if (line.endsWith('\r'))
        line.chop(1);
    std::string secret;
    QString refused;
    if (!ToStationText(QString::fromLocal8Bit(line), secret, &refused)) {
        error =
            QStringLiteral("the password cannot hold \"%1\": base stations hold only Windows-1252 characters")
                .arg(refused);
        return std::nullopt;
    }
    return secret;
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
        return FirstLine(file.readAll(), error);
    }
    if (io.inIsTerminal) {
        io.err << prompt << Qt::flush;
        EchoOff quiet(io.inFd);
        const QByteArray line = io.in.readLine();
        if (line.isEmpty()) {
            error = QStringLiteral("no password was typed");
            return std::nullopt;
        }
        return FirstLine(line, error);
    }
    const QByteArray line = io.in.readLine();
    if (line.isEmpty()) {
        error = QStringLiteral("no password on standard input (use --password-file, or a terminal)");
        return std::nullopt;
    }
    return FirstLine(line, error);
}

} // namespace corvane::cli
