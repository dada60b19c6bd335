#include "files/save_file.h"

#include <QFileInfo>
#include <QSaveFile>

namespace corvane {

bool WriteAndFlush(QFileDevice& file, QByteArrayView bytes, QString& reason) {
    if (file.write(bytes.data(), bytes.size()) != bytes.size() || !file.flush()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

bool SaveFileAtomically(const QString& path, QByteArrayView bytes, QString& reason) {
    const QFileInfo existing(path); // follows a symbolic link to what it names
    if (existing.exists() && !existing.isFile()) {
        reason = QStringLiteral("not a regular file; it is left as it is");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
        return false;
    }
    if (!existing.exists() && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        reason = file.errorString();
        return false; // the destructor removes the temporary file
    }
    // Qt 6.4's commit() can miss the failure of the last buffered write and rename an empty file over the
    // old one: nothing is committed until every byte has reached the system.
    if (!WriteAndFlush(file, bytes, reason))
        return false;
    if (!file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace corvane
