// SPDX-License-Identifier: Apache-2.0
#include "config/status_codes.h"
#include "files/bounded_read.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvane {
namespace {

class BoundedReadTest : public ::testing::Test {
protected:
    QString Write(const QByteArray& bytes) {
        const QString path = dir_.filePath(QStringLiteral("file"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    QTemporaryDir dir_;
};

TEST_F(BoundedReadTest, WholeFilesUpToTheLimit) {
    QByteArray bytes;
    QString reason;
    EXPECT_TRUE(ReadFileBounded(Write("12345678"), 8, bytes, reason));
    EXPECT_EQ(bytes, "12345678");
    EXPECT_FALSE(ReadFileBounded(Write("123456789"), 8, bytes, reason));
    EXPECT_TRUE(reason.contains(QStringLiteral("larger than 8 bytes")));

    // A device that never ends and a sparse file far past the limit: refused without reading them whole.
    EXPECT_FALSE(ReadFileBounded(QStringLiteral("/dev/zero"), 4096, bytes, reason));
    EXPECT_TRUE(reason.contains(QStringLiteral("larger than")));
    const QString sparse = Write({});
    ASSERT_TRUE(QFile::resize(sparse, qint64(1) << 30));
    EXPECT_FALSE(ReadFileBounded(sparse, kMaxConfigurationFileSize, bytes, reason));
    EXPECT_TRUE(reason.contains(QStringLiteral("larger than")));
}

TEST_F(BoundedReadTest, WholeFilesWithTheDesktopsStatusCodes) {
    const QString missing = dir_.filePath(QStringLiteral("missing"));
    QByteArray bytes = "unchanged";
    EXPECT_EQ(ReadWholeFile(missing, bytes), file_status::kNotOpened);
    EXPECT_EQ(bytes, "unchanged");

    for (const QByteArray& contents : {QByteArray(), QByteArray("abc"), QByteArray(100000, '\x5A')}) {
        EXPECT_EQ(ReadWholeFile(Write(contents), bytes), 0);
        EXPECT_EQ(bytes, contents);
    }

    // A sparse file past the bound is refused as memory it would take, before a byte of it is read.
    const QString sparse = Write({});
    ASSERT_TRUE(QFile::resize(sparse, kMaxConfigurationFileSize + 1));
    bytes = "unchanged";
    EXPECT_EQ(ReadWholeFile(sparse, bytes), file_status::kOutOfMemory);
    EXPECT_EQ(bytes, "unchanged");
}

struct LineCase {
    QByteArray file;
    bool read;
    QByteArray line;
};

TEST_F(BoundedReadTest, FirstLinesUpToTheLimit) {
    const LineCase cases[] = {
        {"abc\nsecond\n", true, "abc"},
        {"abc\r\n", true, "abc"},
        {"abc", true, "abc"},
        {"\n", true, ""},
        {"12345678\r\nrest", true, "12345678"},
        {"", false, ""},
        {"123456789\n", false, ""},
        {"123456789", false, ""},
    };
    for (const LineCase& c : cases) {
        QByteArray line = "unchanged";
        QString reason;
        EXPECT_EQ(ReadFirstLine(Write(c.file), 8, line, reason), c.read) << c.file.constData();
        EXPECT_EQ(line, c.read ? c.line : QByteArray("unchanged")) << c.file.constData();
        EXPECT_EQ(reason.isEmpty(), c.read);
    }
    QByteArray line;
    QString reason;
    EXPECT_FALSE(ReadFirstLine(QStringLiteral("/dev/zero"), kMaxPasswordLineSize, line, reason));
}

} // namespace
} // namespace corvane
