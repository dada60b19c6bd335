// SPDX-License-Identifier: Apache-2.0
#include "gui_test_case.h"
#include "modal_driver.h"
#include "strings/ids/string_ids.h"
#include "strings/string_table.h"
#include "widgets/file_dialog.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QTest>

namespace corvane {

class FileDialogTest : public testing::GuiTestCase {
    Q_OBJECT

private slots:
    // The real dialog: "All files" lists every file, with a dot in its name or not.
    void allFilesShowsNamesWithoutADot() {
        QTemporaryDir dir;
        for (const char* name : {"image.bin", "readme"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const QString filter = QString::fromUtf8(ResourceString(kStrSoftwareFileFilter));
        QStringList shownByFilter[2];
        testing::OnNextModal([&](QDialog& shown) {
            auto& dialog = static_cast<QFileDialog&>(shown);
            dialog.setDirectory(dir.path());
            const QStringList filters = dialog.nameFilters();
            for (int i = 0; i < 2; ++i) {
                dialog.selectNameFilter(filters[i]);
                const QStringList patterns = dialog.findChild<QFileSystemModel*>()->nameFilters();
                for (const char* name : {"image.bin", "readme"}) {
                    if (QDir::match(patterns, QString::fromLatin1(name))) {
                        shownByFilter[i] << QString::fromLatin1(name);
                    }
                }
            }
            dialog.reject();
        });
        QVERIFY(!AskFileName(nullptr, {FileDialogRequest::Kind::Open, filter, "bin", "*.bin", {}}));
        QCOMPARE(shownByFilter[0], QStringList{"image.bin"});
        QCOMPARE(shownByFilter[1], (QStringList{"image.bin", "readme"}));
    }

    void fileDialogFiltersAndTestHook() {
        QCOMPARE(FilterList(QStringLiteral("Corvane Firmware files (*.bin)|*.bin|All files (*.*)|*.*||")),
                 (QStringList{"Corvane Firmware files (*.bin)", "All files (*)"}));
        QCOMPARE(FilterList(QStringLiteral("Configuration file (*.cfg)|*.cfg||")),
                 QStringList{"Configuration file (*.cfg)"});
        FileDialogRequest asked{};
        SetFileDialogHook([&](const FileDialogRequest& request) {
            asked = request;
            return std::optional<QString>(QStringLiteral("/tmp/office.cfg"));
        });
        const auto answer = AskFileName(
            nullptr,
            {FileDialogRequest::Kind::Save, "Configuration file (*.cfg)|*.cfg||", "cfg", ".cfg", {}});
        SetFileDialogHook({});
        QCOMPARE(answer.value_or(QString()), QStringLiteral("/tmp/office.cfg"));
        QVERIFY(asked.kind == FileDialogRequest::Kind::Save);
        QCOMPARE(asked.defaultSuffix, QStringLiteral("cfg"));
    }

    // A folder request shows folders only, under its caption, and answers with an existing folder.
    void folderDialogAsksForAFolder() {
        const FileDialogRequest request{FileDialogRequest::Kind::Folder, {}, {}, {}, "Where"};
        const std::unique_ptr<QFileDialog> dialog = MakeFileDialog(nullptr, request);
        QCOMPARE(dialog->fileMode(), QFileDialog::Directory);
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
        QVERIFY(dialog->testOption(QFileDialog::ShowDirsOnly));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Where"));
    }
};

} // namespace corvane

QTEST_MAIN(corvane::FileDialogTest)
#include "file_dialog_test.moc"
