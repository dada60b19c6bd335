// SPDX-License-Identifier: Apache-2.0
#include "files/save_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

// Runs `save` as an ordinary user: this one, or under root, who may write whatever the mode bits say, a child
// process as "nobody", so that what this process may not write is tried either way.
bool SavedAsAnOrdinaryUser(const std::function<bool()>& save) {
    if (::geteuid() != 0) {
        return save();
    }
    constexpr uid_t kNobody = 65534;
    const pid_t child = ::fork();
    if (child == 0) {
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
        ::_exit(dropped && save() ? 0 : 1);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

// A save may do what a plain write may, no more and no less.
TEST_F(SaveFileTest, ASaveDoesWhatAPlainWriteMay) {
    const auto make = [this](const char* name, const QByteArray& bytes, mode_t mode) {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        ASSERT_EQ(::chmod(QFile::encodeName(Path(name)).constData(), mode), 0);
    };
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("locked")));
    make("locked/open.cfg", "a longer previous text", 0666);
    make("read-only.cfg", "previous", 0444);
    ASSERT_EQ(::chmod(QFile::encodeName(Path("locked")).constData(), 0555), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir_.path()).constData(), 0777), 0);
    struct stat before {};
    ASSERT_EQ(::stat(QFile::encodeName(Path("locked/open.cfg")).constData(), &before), 0);
    QString reason;

    // A file the user may not write is refused and kept as it was.
    EXPECT_FALSE(
        SavedAsAnOrdinaryUser([&] { return SaveFileAtomically(Path("read-only.cfg"), "new", reason); }));
    EXPECT_EQ(Read(Path("read-only.cfg")), "previous");
    EXPECT_EQ(Mode(Path("read-only.cfg")) & 0777, 0444u);

    // A writable file in a folder the user may not write is written where it is, whole, permissions kept.
    EXPECT_TRUE(
        SavedAsAnOrdinaryUser([&] { return SaveFileAtomically(Path("locked/open.cfg"), "new", reason); }));
    EXPECT_EQ(Read(Path("locked/open.cfg")), "new");
    struct stat after {};
    ASSERT_EQ(::stat(QFile::encodeName(Path("locked/open.cfg")).constData(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode & 0777, 0666u);

    // A new file there cannot be made, as a plain write could not.
    EXPECT_FALSE(
        SavedAsAnOrdinaryUser([&] { return SaveFileAtomically(Path("locked/new.cfg"), "new", reason); }));
    EXPECT_EQ(QDir(Path("locked")).entryList(QDir::Files), QStringList{"open.cfg"});
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"read-only.cfg"})
        << "nothing left behind";
    ASSERT_EQ(::chmod(QFile::encodeName(Path("locked")).constData(), 0755), 0);
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
