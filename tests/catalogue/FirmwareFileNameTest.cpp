#include "FirmwareFileName.h"

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
