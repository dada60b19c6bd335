// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QByteArray>

namespace corvane {

// The temporary files that saves make beside their targets, kept by name so that a program ended by a signal
// can remove them first. While a thread creates, renames or removes one it holds off SIGINT, SIGTERM and
// SIGHUP, so the handler of such a signal never waits on a thread it interrupted.

// mkostemp on `nameTemplate` (ending in XXXXXX), the name kept until it is renamed or removed; the
// descriptor, or -1 with errno set.
int CreateTemporaryFile(QByteArray& nameTemplate);

// Renames a kept temporary file over `target`; false with errno set, the file still kept (remove it).
bool RenameTemporaryFile(const QByteArray& temporary, const QByteArray& target);

// Removes a kept temporary file.
void RemoveTemporaryFile(const QByteArray& temporary);

// Removes every temporary file still kept and holds the list from then on, so no save makes, renames or
// removes one again: for a program about to end by a signal.
void RemoveTemporaryFilesForExit();

} // namespace corvane
