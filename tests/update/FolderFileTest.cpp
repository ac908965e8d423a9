#include "update/FolderFile.h"

#include "TestFiles.h"
#include "update/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

} // namespace

// Whatever the disk or another process does during a save, the name ends up holding the old
// bytes or the new ones, in a regular file, and a failure is said; nothing outside the folder
// is written.
TEST(FolderFile, ASaveReplacesTheNameWholeOrLeavesTheOldFileAndSaysWhy)
{
    const QTemporaryDir temp;
    const QString folder = temp.filePath("data");
    const QString path = QDir(folder).filePath("image.bin");
    const QString victim = temp.filePath("victim");
    const QByteArray old(8192, 'o');
    const QByteArray fresh(8192, 'n');
    const struct
    {
        const char *what;
        // What is at the name before the save, and what happens during it.
        std::function<void()> before;
        FolderFileTestHooks hooks;
        QByteArray expected;
        QString error;
    } cases[] = {
        {"a full disk halfway", [] {}, {4096, ENOSPC, {}}, old, "No space left on device"},
        {"a full disk at once", [] {}, {0, ENOSPC, {}}, old, "No space left on device"},
        {"a link planted before the rename",
         [] {},
         {-1, 0,
          [&] {
              QFile::link(victim, path);
          }},
         fresh,
         {}},
        {"a link there", [&] { QFile::remove(path), QFile::link(victim, path); }, {}, fresh, {}},
        {"a FIFO there",
         [&] { QFile::remove(path), mkfifo(QFile::encodeName(path).constData(), 0600); },
         {},
         fresh,
         {}},
        {"a folder there",
         [&] { QFile::remove(path), QDir().mkpath(path); },
         {},
         {},
         "is a folder, not a file."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        QDir(folder).removeRecursively();
        QFile::remove(victim);
        ASSERT_TRUE(saveInFolder(folder, "image.bin", old).succeeded());
        putFile(victim, "root only");
        c.before();
        folderFileTestHooks() = c.hooks;
        const SavedFile saved = saveInFolder(folder, "image.bin", fresh);
        folderFileTestHooks() = {};
        EXPECT_EQ(saved.succeeded(), c.error.isEmpty());
        EXPECT_TRUE(saved.errorDescription.contains(c.error))
            << saved.errorDescription.toStdString();
        if (!c.expected.isEmpty()) {
            EXPECT_TRUE(QFileInfo(path).isFile() && !QFileInfo(path).isSymLink());
            EXPECT_EQ(contentOf(path), c.expected);
        }
        EXPECT_EQ(contentOf(victim), "root only");
        // No temporary is left behind.
        EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System).size(),
                  c.expected.isEmpty() ? 0 : 1);
    }
}

TEST(FolderFile, OnlyARegularFileWithinItsBoundIsRead)
{
    const QTemporaryDir temp;
    const QString fifo = temp.filePath("fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString file = temp.filePath("file");
    putFile(file, "12345");
    const struct
    {
        QString path;
        qint64 limit;
        std::optional<QByteArray> bytes;
        QString error;
    } cases[] = {
        {file, 5, "12345", {}},
        {file, 4, std::nullopt, "it has 5 bytes, more than the limit of 4 bytes"},
        {fifo, 5, std::nullopt, "it is a FIFO, not a regular file, so it is not read"},
        {temp.path(), 5, std::nullopt, "it is a folder, not a regular file"},
        {"/dev/zero", 5, std::nullopt, "it is a device, not a regular file"},
        {temp.filePath("none"), 5, std::nullopt, "No such file or directory"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const ReadFile read = readRegularFile(c.path, c.limit);
        EXPECT_EQ(read.bytes, c.bytes);
        EXPECT_TRUE(read.errorDescription.contains(c.error)) << read.errorDescription.toStdString();
    }
}
