// SPDX-License-Identifier: Apache-2.0
#pragma once

#include "config/status_codes.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace corvane {

// Files are reached by the bytes of their names (files/file_name.h).

// Size bounds for the kinds of file the programs read, far above any real one of its kind.
constexpr qint64 kMaxConfigurationFileSize = 256 * 1024 * 1024; // configuration and JSON files
constexpr qint64 kMaxPasswordLineSize = 64 * 1024;              // the first line of a password file

// Reads the file at `path` whole, but never more than `limit` bytes: a larger file, or one that never ends
// (a device such as /dev/zero), is refused. False with the reason.
bool ReadFileBounded(const QString& path, qint64 limit, QByteArray& bytes, QString& reason);

// The same for what an open device (standard input, say) holds until its end.
bool ReadDeviceBounded(QIODevice& device, qint64 limit, QByteArray& bytes, QString& reason);

// The desktop utility's whole-file read, giving the status codes its messages show: 0;
// file_status::kNotOpened; the failing status of the file-size operation (GetFileSize); `tooLarge` for a
// file larger than kMaxConfigurationFileSize, before reading any of it; file_status::kOutOfMemory for one
// there is no memory for; file_status::kIncomplete when fewer bytes than the size can be read. An empty
// file gives 0 and no bytes.
int ReadWholeFile(const QString& path, QByteArray& bytes, int tooLarge = file_status::kOutOfMemory);

// Reads the first line of the file at `path` without its line end ("\n" or "\r\n"); a first line longer than
// `limit` bytes is refused, and so is an empty file (it has no first line). False with the reason.
bool ReadFirstLine(const QString& path, qint64 limit, QByteArray& line, QString& reason);

} // namespace corvane
