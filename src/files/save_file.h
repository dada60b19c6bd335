// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArrayView>
#include <QFileDevice>
#include <QString>

namespace corvane {

// Writes all of `bytes` and pushes them out of Qt's buffer, so a full disk shows here and not, unseen, inside
// a later commit or close. False with the system's reason in `reason`.
bool WriteAndFlush(QFileDevice& file, QByteArrayView bytes, QString& reason);

// What a save does with a symbolic link at its path.
enum class LinkAtPath {
    Follow,  // the file the link names is replaced
    Replace, // the link itself is replaced by a new file: nothing outside the link's folder is touched
};

// Replaces the file at `path` with `bytes` as a whole, or leaves it as it was: false with the reason.
// Something there that is not a regular file (a directory, a device, a pipe) is refused, never replaced; a
// symbolic link is followed to a regular file, or replaced, as `links` says. A new file is readable by its
// owner only (it may hold secrets); an existing one keeps its permissions. The file is reached by
// FileNameBytes(path). The save may do what a plain write may, judged by the process's effective ids: an
// existing file it may not write is refused; one it may write in a folder it may not is written over in place
// (flushed and checked, but then a failure part-way can no longer keep the previous contents).
bool SaveFileAtomically(const QString& path, QByteArrayView bytes, QString& reason,
                        LinkAtPath links = LinkAtPath::Follow);

} // namespace corvane
