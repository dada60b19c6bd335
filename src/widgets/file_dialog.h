// SPDX-License-Identifier: Apache-2.0
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QFileDialog;
class QWidget;

namespace corvane {

// A file dialog as the program asks for one. The filter is a string-table filter ("Text (*.txt)|*.txt||").
// A folder request asks for an existing folder; it has no filter, suffix or name, and a caption.
struct FileDialogRequest {
    enum class Kind { Open, Save, Folder } kind;
    QString filter;
    QString defaultSuffix;
    QString initialName;
    QString caption;
};

// Shows the platform's open or save dialog; the chosen path, or nothing when the user cancelled. Open asks
// for an existing file, Save asks before overwriting one, Folder for an existing folder.
std::optional<QString> AskFileName(QWidget* parent, const FileDialogRequest& request);
// The dialog AskFileName shows for the request, before it runs.
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const FileDialogRequest& request);

// Tests answer file dialogs through this hook instead of the user; an empty function restores the real
// dialogs.
using FileDialogHook = std::function<std::optional<QString>(const FileDialogRequest&)>;
void SetFileDialogHook(FileDialogHook hook);

// "Name (*.x)|*.x|All (*.*)|*.*||" as the name filters of a Qt file dialog: "Name (*.x)", "All (*)".
QStringList FilterList(const QString& filter);

} // namespace corvane
