#include "FirmwareFileName.h"
#include "FirmwareStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FirmwareFileName, LastPathComponentOfTheUrl)
{
    EXPECT_EQ(firmwareFileName(QUrl("http://server/fw/X1_V2.bin")), "X1_V2.bin");
    EXPECT_EQ(firmwareFileName(QUrl("http://server/fw/X1")), "X1");
    EXPECT_EQ(firmwareFileName(QUrl("http://server/fw/X1_V2.bin?token=a/b#frag")), "X1_V2.bin");
    EXPECT_EQ(firmwareFileName(QUrl("http://server/fw/X1%20V2.bin")), "X1 V2.bin");
    EXPECT_EQ(firmwareFileName(QUrl("http://server/fw/dir/")), "dir");
    EXPECT_EQ(firmwareFileName(QUrl("X1.bin")), "X1.bin");
}

TEST(FirmwareFileName, HostileNamesNeverLeaveTheFolder)
{
    const QString fallback = fallbackFirmwareFileName;
    for (const char *url : {
             "http://server/",
             "http://server",
             "http://server/fw/..",
             "http://server/fw/.",
             "http://server/fw/%2E%2E",
             "http://server/fw/..%2F..%2F.bashrc",
             "http://server/fw/%2Fetc%2Fpasswd",
             "http://server/fw/a%5Cb.bin",
             "http://server/fw/a%00b.bin",
         }) {
        SCOPED_TRACE(url);
        const QString name = firmwareFileName(QUrl(url));
        EXPECT_EQ(name, fallback);
    }
}

TEST(FirmwareFileName, DisplayNameDropsTheLastExtensionOnly)
{
    EXPECT_EQ(firmwareDisplayName("X1_V2.bin"), "X1_V2");
    EXPECT_EQ(firmwareDisplayName("X1"), "X1");
    EXPECT_EQ(firmwareDisplayName("fw.2.1.hex"), "fw.2.1");
    EXPECT_EQ(firmwareDisplayName(".hidden"), ".hidden");
}

TEST(FirmwareStore, CreatesTheFolderAndOverwritesAtomically)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString folder = QDir(temp.path()).filePath("nested/MorvaneUpdater");

    const SavedFirmware first = saveFirmwareImage(folder, "X1_V2.bin", QByteArray("old image"));
    ASSERT_TRUE(first.succeeded()) << first.errorDescription.toStdString();
    const SavedFirmware second = saveFirmwareImage(folder, "X1_V2.bin", QByteArray("new"));
    ASSERT_TRUE(second.succeeded());
    EXPECT_EQ(second.filePath, QDir(folder).filePath("X1_V2.bin"));

    QFile file(second.filePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("new"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"X1_V2.bin"});
}

TEST(FirmwareStore, AFolderThatCannotBeMadeIsAnErrorWithADescription)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QString blocker = QDir(temp.path()).filePath("file");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    const SavedFirmware saved = saveFirmwareImage(blocker + "/MorvaneUpdater", "a.bin", "x");
    EXPECT_FALSE(saved.succeeded());
    EXPECT_FALSE(saved.errorDescription.isEmpty());
}
