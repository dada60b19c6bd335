#pragma once

#include "cli/cli_io.h"

#include <QStringList>

namespace corvane::cli {

// Each command takes the words after its name and returns the tool's exit status.
int RunDiscover(const QStringList& words, CliIo& io);
int RunRead(const QStringList& words, CliIo& io);
int RunWrite(const QStringList& words, CliIo& io);
int RunRestart(const QStringList& words, CliIo& io);
int RunUpload(const QStringList& words, CliIo& io);
int RunShow(const QStringList& words, CliIo& io);
int RunExport(const QStringList& words, CliIo& io);
int RunImport(const QStringList& words, CliIo& io);
int RunDiff(const QStringList& words, CliIo& io);
int RunKey(const QStringList& words, CliIo& io);
int RunBackup(const QStringList& words, CliIo& io);
// upload for several stations (HOST... IMAGE, or --all IMAGE); upload hands such a command line over.
bool UploadIsForAFleet(const QStringList& words);
int RunFleetUpload(const QStringList& words, CliIo& io);

// "corvane: <text>" on the error stream; returns `code`.
int Fail(CliIo& io, int code, const QString& text);
// A command line that does not fit the command: the message and a pointer to --help.
int UsageError(CliIo& io, const QString& text);

} // namespace corvane::cli
