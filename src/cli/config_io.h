// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/config_record.h"
#include "files/save_file.h"

#include <QByteArray>
#include <QString>

namespace corvane::cli {

struct CliIo;

// Reads a whole input file of at most `limit` bytes; "-" is standard input. False with the reason.
bool ReadInputFile(CliIo& io, const QString& path, qint64 limit, QByteArray& bytes, QString& reason);

// A software image to upload: a whole file of 1 to kMaxSoftwareImageSize bytes. False with the tool's report
// of a problem (a file problem, found before anything is sent) and the exit status in `code`.
bool ReadSoftwareImage(CliIo& io, const QString& path, QByteArray& image, int& code);

// Writes the record as a configuration file, atomically (a failure leaves the previous file as it was, its
// permissions too). An owner-only file (a copy of a station's secrets) is made 0600 even when it existed
// before, ahead of the new contents.
// A symbolic link at `path` is followed, or replaced (LinkAtPath::Replace), as SaveFileAtomically has it.
bool SaveConfiguration(const QString& path, const ConfigRecord& record, QString& reason,
                       bool ownerOnly = false, LinkAtPath links = LinkAtPath::Follow);

// True when both names reach one existing file (through a link or another spelling too).
bool NameOneFile(const QString& first, const QString& second);

// Reads a whole configuration file ("-": standard input) into `record`, which a rejected file leaves as it
// was; false with the tool's report of a failure (message 149, exit status in `code`).
bool LoadInput(CliIo& io, const QString& path, ConfigRecord& record, int& code);
// A warning on the error stream when the record's base station password (syPW) is longer than the part of
// it that a base station checks: the rest would be ignored at every log-in.
void WarnAboutLongStationPassword(CliIo& io, const ConfigRecord& record);
// SaveConfiguration with the tool's report of a failure (message 148); the exit status.
int SaveOutput(CliIo& io, const QString& path, const ConfigRecord& record, bool ownerOnly = false);

} // namespace corvane::cli
