// SPDX-License-Identifier: Apache-2.0
#include "cli_test_support.h"

#include <QFile>

namespace corvane::cli::test {

CliRun RunTool(const QStringList& args, const QByteArray& input, int interruptFd) {
    CliRun run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    QByteArray inputCopy = input;
    QBuffer in(&inputCopy);
    in.open(QIODevice::ReadOnly);
    CliIo io{out, err, in, false, -1, interruptFd, nullptr};
    run.exit = RunCli(args, io);
    out.flush();
    err.flush();
    return run;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
}

} // namespace corvane::cli::test
