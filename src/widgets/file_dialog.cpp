// SPDX-License-Identifier: Apache-2.0
#include "widgets/file_dialog.h"

#include <QFileDialog>

namespace corvane {
namespace {

FileDialogHook& Hook() {
    static FileDialogHook hook;
    return hook;
}

} // namespace

void SetFileDialogHook(FileDialogHook hook) {
    Hook() = std::move(hook);
}

QStringList FilterList(const QString& filter) {
    // Pairs of description and patterns, ended by an empty pair. Qt filters by what the parentheses of the
    // shown name hold, so they are written from the patterns: blank-separated, and "*.*" as "*", since Qt's
    // "*.*" would hide every name without a dot.
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList names;
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            if (pattern == QLatin1String("*.*")) {
                pattern = QStringLiteral("*");
            }
        }
        const qsizetype open = parts[i].lastIndexOf(QLatin1Char('('));
        const QString description = (open >= 0 ? parts[i].left(open) : parts[i] + QLatin1Char(' '));
        names << description + QLatin1Char('(') + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return names;
}

std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, const FileDialogRequest& request) {
    auto dialog = std::make_unique<QFileDialog>(parent, request.caption);
    if (request.kind == FileDialogRequest::Kind::Folder) {
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::Directory);
        dialog->setOption(QFileDialog::ShowDirsOnly);
        return dialog;
    }
    dialog->setAcceptMode(request.kind == FileDialogRequest::Kind::Open ? QFileDialog::AcceptOpen
                                                                        : QFileDialog::AcceptSave);
    dialog->setFileMode(request.kind == FileDialogRequest::Kind::Open ? QFileDialog::ExistingFile
                                                                      : QFileDialog::AnyFile);
    dialog->setNameFilters(FilterList(request.filter));
    dialog->setDefaultSuffix(request.defaultSuffix);
    if (!request.initialName.contains(QLatin1Char('*'))) {
        dialog->selectFile(request.initialName);
    }
    return dialog;
}

std::optional<QString> AskFileName(QWidget* parent, const FileDialogRequest& request) {
    if (Hook()) {
        return Hook()(request);
    }
    const std::unique_ptr<QFileDialog> dialog = MakeFileDialog(parent, request);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog->selectedFiles().constFirst();
}

} // namespace corvane
