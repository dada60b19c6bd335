// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "cli/cli.h"

#include <QBuffer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>

namespace corvane::cli::test {

// One in-process run of the tool with its streams captured; `input` is what standard input holds.
struct CliRun {
    int exit = -1;
    QString out;
    QString err;
};

CliRun RunTool(const QStringList& args, const QByteArray& input = {}, int interruptFd = -1);

QByteArray ReadAll(const QString& path);
void WriteAll(const QString& path, const QByteArray& bytes);

} // namespace corvane::cli::test
