#include "files/save_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace corvane {
namespace {

class SaveFileTest : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }
    static mode_t Mode(const QString& path) {
        struct stat status {};
        return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode : 0;
    }

    QTemporaryDir dir_;
};

// Qt buffers writes: a full disk shows only when the buffer is pushed out, which must happen before commit.
TEST(WriteAndFlushTest, AFullDeviceIsReportedWithTheSystemsReason) {
    QFile full(QStringLiteral("/dev/full"));
    if (!full.open(QIODevice::WriteOnly)) {
        GTEST_SKIP() << "no /dev/full here";
    }
    QString reason;
    EXPECT_FALSE(WriteAndFlush(full, QByteArray(100, 'x'), reason));
    EXPECT_TRUE(reason.contains(QStringLiteral("No space left on device"))) << reason.toStdString();
}

TEST_F(SaveFileTest, NewFilesAreOwnerOnlyAndExistingOnesKeepTheirPermissions) {
    QString reason;
    ASSERT_TRUE(SaveFileAtomically(Path("new.cfg"), "secret", reason)) << reason.toStdString();
    EXPECT_EQ(Mode(Path("new.cfg")) & 0777, 0600u);
    EXPECT_EQ(Read(Path("new.cfg")), "secret");

    ASSERT_TRUE(SaveFileAtomically(Path("shared.cfg"), "one", reason));
    ASSERT_EQ(::chmod(QFile::encodeName(Path("shared.cfg")).constData(), 0644), 0);
    ASSERT_TRUE(SaveFileAtomically(Path("shared.cfg"), "two", reason));
    EXPECT_EQ(Mode(Path("shared.cfg")) & 0777, 0644u);
    EXPECT_EQ(Read(Path("shared.cfg")), "two");
}

TEST_F(SaveFileTest, OnlyRegularFilesAreReplaced) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("directory")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), Path("device")));
    ASSERT_TRUE(QFile::link(Path("directory"), Path("to-directory")));
    for (const char* name : {"directory", "fifo", "device", "to-directory"}) {
        const mode_t before = Mode(Path(name));
        QString reason;
        EXPECT_FALSE(SaveFileAtomically(Path(name), "bytes", reason)) << name;
        EXPECT_TRUE(reason.contains(QStringLiteral("not a regular file"))) << name;
        EXPECT_EQ(Mode(Path(name)), before) << name << " is left as it was";
    }
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size(), 4)
        << "no temporary file is left behind";
}

TEST_F(SaveFileTest, ASymbolicLinkToARegularFileReplacesWhatItNames) {
    QString reason;
    ASSERT_TRUE(SaveFileAtomically(Path("target.cfg"), "old", reason));
    ASSERT_TRUE(QFile::link(Path("target.cfg"), Path("link.cfg")));
    ASSERT_TRUE(SaveFileAtomically(Path("link.cfg"), "new", reason)) << reason.toStdString();
    EXPECT_EQ(Read(Path("target.cfg")), "new");
    EXPECT_TRUE(QFileInfo(Path("link.cfg")).isSymLink());
}

} // namespace
} // namespace corvane
