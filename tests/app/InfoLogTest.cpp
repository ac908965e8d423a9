#include "app/InfoLog.h"

#include <gtest/gtest.h>

TEST(InfoLog, ReplaceOverwritesOnlyALastProgressLine)
{
    const QString mixed = QString("a") + QChar(0x0B) + "b" + QChar(0x0C) + "c" + QChar(0x85) + "d" +
                          QChar(0x2028) + "e" + QChar(0x2029) + "f\rg";
    const struct
    {
        QString text, line, expected;
    } cases[] = {
        {"Starting...", "Update progress: 5%", "Starting...\nUpdate progress: 5%"},
        {"a\r\nUpdate progress: 5%", "Update progress: 10%", "a\n\nUpdate progress: 10%"},
        {"a\nUpdate progress:", "Update progress: 0%", "a\nUpdate progress: 0%"},
        {"a\nupdate progress: 5%", "x", "a\nupdate progress: 5%\nx"},
        {"Update progress: 5%\nUpdate failed: x", "y", "Update progress: 5%\nUpdate failed: x\ny"},
        {QString(), "Update progress: 0%", "\nUpdate progress: 0%"},
        {mixed, "x", "a\nb\nc\nd\ne\nf\ng\nx"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(textWithLastInfoLineReplaced(c.text, c.line), c.expected);
    }
}
