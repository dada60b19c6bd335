// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

namespace corvane {

// File names are bytes to the system, and not every name is UTF-8 (b\xFCro.cfg, made on a Latin-1 system).
// Qt's own conversion turns such bytes into U+FFFD and the file can no longer be found, so both programs
// take names from the command line through FileNameFromBytes and reach files through FileNameBytes: a byte
// that is not part of valid UTF-8 is carried as the lone surrogate U+DC00 plus the byte, and comes back as
// itself.
QString FileNameFromBytes(QByteArrayView bytes);
QByteArray FileNameBytes(const QString& name);

// `text` (a station's name, say) as the name of one file in the folder a file dialog shows: path separators
// and control characters become '_', and so does a leading dot, so that the name is never a path, never a
// ".." step and never hidden. It is cut to fit the system's limit on a name, with room left for an extension.
QString PlainFileName(const QString& text);

// The words after the program name on a command line, each read as FileNameFromBytes reads a name.
QStringList ProgramArguments(int argc, char** argv);

} // namespace corvane
