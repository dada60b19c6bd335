// SPDX-License-Identifier: Apache-2.0
#include "files/bounded_read.h"
#include "files/file_name.h"
#include "files/save_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace corvane {
namespace {

// Every name comes back as the bytes it was; what is UTF-8 reads as its characters.
TEST(FileNameTest, BytesComeBackAsThemselves) {
    const struct {
        QByteArray bytes;
        const char16_t* read; // null: not asserted, only the round trip
    } cases[] = {
        {"plain.cfg", u"plain.cfg"},
        {"b\xC3\xBCro.cfg", u"büro.cfg"},
        {"b\xFCro.cfg", u"b\xDCFCro.cfg"},
        {"\xF0\x9F\x93\x81.cfg", u"\U0001F4C1.cfg"},
        {"cut\xC3", u"cut\xDCC3"},
        {"\xC0\xAF", u"\xDCC0\xDCAF"},                     // an overlong "/"
        {"\xED\xA0\x80", u"\xDCED\xDCA0\xDC80"},           // a surrogate written as UTF-8
        {"\xF4\x90\x80\x80", u"\xDCF4\xDC90\xDC80\xDC80"}, // above U+10FFFF
        {"\xE2\x82", nullptr},
        {QByteArray("a\x80\xFF z", 5), nullptr},
    };
    for (const auto& c : cases) {
        const QString name = FileNameFromBytes(c.bytes);
        if (c.read != nullptr) {
            EXPECT_EQ(name, QString::fromUtf16(c.read)) << c.bytes.toHex().constData();
        }
        EXPECT_EQ(FileNameBytes(name), c.bytes) << c.bytes.toHex().constData();
    }
    EXPECT_EQ(FileNameBytes(QStringLiteral("b\u00FCro \U0001F4C1")),
              QByteArray("b\xC3\xBCro \xF0\x9F\x93\x81"));
}

TEST(FileNameTest, ProgramArgumentsKeepTheirBytes) {
    char program[] = "corvane";
    char show[] = "show";
    char name[] = "b\xFCro.cfg";
    char* argv[] = {program, show, name, nullptr};
    const QStringList arguments = ProgramArguments(3, argv);
    ASSERT_EQ(arguments.size(), 2);
    EXPECT_EQ(arguments[0], QStringLiteral("show"));
    EXPECT_EQ(FileNameBytes(arguments[1]), QByteArray(name));
}

// A name whose bytes are not UTF-8 is read and saved by those bytes.
TEST(FileNameTest, FilesAreReachedByTheBytesOfTheirNames) {
    QTemporaryDir dir;
    const QByteArray bytes = QFile::encodeName(dir.path()) + "/b\xFCro.cfg";
    const QString name = FileNameFromBytes(bytes);
    QString reason;
    ASSERT_TRUE(SaveFileAtomically(name, "first line\nsecond", reason)) << reason.toStdString();
    struct stat status {};
    ASSERT_EQ(::stat(bytes.constData(), &status), 0) << "saved under the very bytes";
    EXPECT_EQ(status.st_mode & 0777, 0600u);

    QByteArray read;
    ASSERT_TRUE(ReadFileBounded(name, 100, read, reason)) << reason.toStdString();
    EXPECT_EQ(read, "first line\nsecond");
    ASSERT_TRUE(ReadFirstLine(name, 100, read, reason)) << reason.toStdString();
    EXPECT_EQ(read, "first line");
    ASSERT_TRUE(SaveFileAtomically(name, "replaced", reason)) << reason.toStdString();
    ASSERT_TRUE(ReadFileBounded(name, 100, read, reason));
    EXPECT_EQ(read, "replaced");
    // Listed by bytes: Qt's listing cannot see such a name.
    const std::filesystem::path folder(QFile::encodeName(dir.path()).toStdString());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1)
        << "no temporary file is left";

    EXPECT_FALSE(ReadFileBounded(FileNameFromBytes(bytes + ".none"), 100, read, reason));
    EXPECT_TRUE(reason.contains(QStringLiteral("No such file or directory"))) << reason.toStdString();
    std::filesystem::remove_all(folder);
}

// A long name is cut to leave room for an extension within the system's 255 bytes, never inside a character.
TEST(FileNameTest, APlainFileNameFitsTheSystemsLimit) {
    EXPECT_EQ(PlainFileName(QString(300, 'n')), QString(240, 'n'));
    const QString cut = PlainFileName(QString(200, QChar(0x00E9)));
    EXPECT_EQ(cut, QString(120, QChar(0x00E9)));
    EXPECT_EQ(PlainFileName(QStringLiteral("Home")), QStringLiteral("Home"));
}

} // namespace
} // namespace corvane
