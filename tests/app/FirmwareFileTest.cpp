#include "FirmwareFileName.h"
#include "FirmwareStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FirmwareFileName, LastPathComponentThatCannotLeaveTheFolder)
{
    const QString fallback = fallbackFirmwareFileName;
    const struct
    {
        const char *url;
        QString name;
    } cases[] = {
        {"http://server/fw/X1_V2.bin", "X1_V2.bin"},
        {"http://server/fw/X1", "X1"},
        {"http://server/fw/X1_V2.bin?token=a/b#frag", "X1_V2.bin"},
        {"http://server/fw/X1%20V2.bin", "X1 V2.bin"},
        {"http://server/fw/dir/", "dir"},
        {"X1.bin", "X1.bin"},
        {"http://server/", fallback},
        {"http://server/fw/..", fallback},
        {"http://server/fw/%2E%2E", fallback},
        {"http://server/fw/..%2F..%2F.bashrc", fallback},
        {"http://server/fw/%2Fetc%2Fpasswd", fallback},
        {"http://server/fw/a%5Cb.bin", fallback},
        {"http://server/fw/a%00b.bin", fallback},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.url);
        EXPECT_EQ(firmwareFileName(QUrl(c.url)), c.name);
    }
    EXPECT_EQ(firmwareDisplayName("X1_V2.bin"), "X1_V2");
    EXPECT_EQ(firmwareDisplayName("fw.2.1.hex"), "fw.2.1");
    EXPECT_EQ(firmwareDisplayName("X1"), "X1");
    EXPECT_EQ(firmwareDisplayName(".hidden"), ".hidden");
}

TEST(FirmwareStore, CreatesTheFolderOverwritesAndReportsFailures)
{
    QTemporaryDir temp;
    const QString folder = QDir(temp.path()).filePath("nested/MorvaneUpdater");
    ASSERT_TRUE(saveFirmwareImage(folder, "X1_V2.bin", "old image").succeeded());
    const SavedFirmware saved = saveFirmwareImage(folder, "X1_V2.bin", "new");
    ASSERT_TRUE(saved.succeeded());
    EXPECT_EQ(saved.filePath, QDir(folder).filePath("X1_V2.bin"));
    QFile file(saved.filePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "new");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"X1_V2.bin"});

    // A plain file where the folder should be.
    const SavedFirmware blocked = saveFirmwareImage(saved.filePath + "/MorvaneUpdater", "a", "x");
    EXPECT_FALSE(blocked.succeeded());
    EXPECT_FALSE(blocked.errorDescription.isEmpty());
}
