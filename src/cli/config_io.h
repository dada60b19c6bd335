#pragma once

#include "config/config_record.h"

#include <QByteArray>
#include <QString>

namespace corvane::cli {

// Reads a whole configuration file into `record` (a rejected file changes nothing). False with the reason.
bool LoadConfiguration(const QString& path, ConfigRecord& record, QString& reason);

// Replaces `path` with `bytes` through QSaveFile: a failed write leaves the previous file as it was.
bool SaveFile(const QString& path, const QByteArray& bytes, QString& reason);

// Writes the record as a configuration file, atomically.
bool SaveConfiguration(const QString& path, const ConfigRecord& record, QString& reason);

struct CliIo;

// LoadConfiguration with the tool's report of a failure (message 149, exit status in `code`).
bool LoadInput(CliIo& io, const QString& path, ConfigRecord& record, int& code);
// SaveConfiguration with the tool's report of a failure (message 148); the exit status.
int SaveOutput(CliIo& io, const QString& path, const ConfigRecord& record);

} // namespace corvane::cli
