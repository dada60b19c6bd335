// SPDX-License-Identifier: Apache-2.0
#include "cli/password_input.h"

#include "cli/terminal_echo.h"
#include "config/secret_memory.h"
#include "files/bounded_read.h"
#include "files/station_text.h"

namespace corvane::cli {

namespace {

// The password in the first line of `read` (wiped afterwards): taken as given or refused, never cut.
std::optional<std::string> PasswordFromLine(QByteArray& read, const QString& source, QString& error) {
    QByteArray line = read.left(read.indexOf('\n') < 0 ? read.size() : read.indexOf('\n'));
    if (line.endsWith('\r')) {
        line.chop(1);
    }
    std::optional<std::string> password;
    std::string secret;
    QString refused;
    // What a terminal or a file holds is text in the system's encoding; the station's is Windows-1252.
    if (line.size() > kMaxPasswordLineSize) {
        error = QStringLiteral("the password in %1 is longer than %2 bytes")
                    .arg(source, QString::number(kMaxPasswordLineSize));
    } else if (line.contains('\0')) {
        error = QStringLiteral("the password in %1 holds a NUL byte").arg(source);
    } else if (!ToStationText(QString::fromLocal8Bit(line), secret, &refused)) {
        error =
            QStringLiteral("the password cannot hold \"%1\": base stations hold only Windows-1252 characters")
                .arg(refused);
    } else {
        password = std::move(secret);
    }
    WipeSecret(secret);
    WipeSecret(line.data(), std::size_t(line.size()));
    WipeSecret(read.data(), std::size_t(read.size()));
    return password;
}

} // namespace

std::optional<std::string> ReadSecret(CliIo& io, const QString& passwordFile, const QString& prompt,
                                      QString& error) {
    ProtectSecrets();
    if (!passwordFile.isEmpty() && passwordFile != QLatin1String("-")) {
        QByteArray line;
        QString reason;
        if (!ReadFirstLine(passwordFile, kMaxPasswordLineSize, line, reason)) {
            error = QStringLiteral("cannot read the password file %1: %2").arg(passwordFile, reason);
            return std::nullopt;
        }
        return PasswordFromLine(line, passwordFile, error);
    }
    const QString source = QStringLiteral("standard input");
    if (io.inIsTerminal) {
        io.err << prompt << Qt::flush;
        EchoOff quiet(io.inFd);
        QByteArray line = io.in.readLine(kMaxPasswordLineSize + 3);
        if (line.isEmpty()) {
            error = QStringLiteral("no password was typed");
            return std::nullopt;
        }
        return PasswordFromLine(line, source, error);
    }
    QByteArray line = io.in.readLine(kMaxPasswordLineSize + 3);
    if (line.isEmpty()) {
        error = QStringLiteral("no password on standard input (use --password-file, or a terminal)");
        return std::nullopt;
    }
    return PasswordFromLine(line, source, error);
}

} // namespace corvane::cli
