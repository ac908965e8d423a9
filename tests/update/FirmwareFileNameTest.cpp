#include "update/FirmwareFileName.h"

#include <gtest/gtest.h>

TEST(FirmwareFileName, LastPathComponentThatCannotLeaveTheFolder)
{
    const QString fallback = fallbackFirmwareFileName;
    const struct
    {
        QString url;
        QString name;
    } cases[] = {
        {"http://server/fw/X1_V2.bin", "X1_V2.bin"},
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
        // Kept on one line and visible, and short enough to save.
        {"http://server/fw/x5pro_213.bin", "x5pro_213.bin"},
        {"http://server/fw/%E5%9B%BA%E4%BB%B6%F0%9F%98%80.bin", "固件😀.bin"},
        {"http://server/fw/a%0Ab%0D%09.bin", "a_b__.bin"},
        {"http://server/fw/a%E2%80%A8b%C2%85c%7F.bin", "a_b_c_.bin"},
        {"http://server/fw/%E2%80%AEnib.exe", "_nib.exe"},
        {"http://server/fw/.bin", "firmware.bin"},
        {"http://server/fw/...", "firmware..."},
        {"http://server/fw/" + QString(300, 'a') + ".bin", QString(236, 'a') + ".bin"},
        {"http://server/fw/" + QString(240, 'a'), QString(240, 'a')},
        {"http://server/fw/" + QString(100, QChar(0x56FA)) + ".bin",
         QString(78, QChar(0x56FA)) + ".bin"},
        {"http://server/fw/" + QString(250, 'a') + "." + QString(20, 'b'), QString(240, 'a')},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.url.toStdString());
        EXPECT_EQ(firmwareFileName(QUrl(c.url)), c.name);
    }
    EXPECT_EQ(firmwareDisplayName("X1_V2.bin"), "X1_V2");
    EXPECT_EQ(firmwareDisplayName("fw.2.1.hex"), "fw.2.1");
    EXPECT_EQ(firmwareDisplayName(".hidden"), ".hidden");
}
