#include "app/InfoLog.h"

#include <gtest/gtest.h>

TEST(InfoLog, ReplaceOverwritesOnlyALastProgressLine)
{
    const QString mixed = QString("a") + QChar(0x0B) + "b" + QChar(0x0C) + "c" + QChar(0x85) + "d" +
                          QChar(0x2028) + "e" + QChar(0x2029) + "f\rg";
    const struct
    {
        QString text, line;
        bool lastIsProgress;
        QString expected;
    } cases[] = {
        {"Starting...", "Update progress: 5%", false, "Starting...\nUpdate progress: 5%"},
        {"a\r\nUpdate progress: 5%", "Update progress: 10%", true, "a\n\nUpdate progress: 10%"},
        {"a\nUpdate progress:", "Update progress: 0%", true, "a\nUpdate progress: 0%"},
        {"a\nupdate progress: 5%", "x", false, "a\nupdate progress: 5%\nx"},
        {"Update progress: 5%\nUpdate failed: x", "y", false,
         "Update progress: 5%\nUpdate failed: x\ny"},
        {QString(), "Update progress: 0%", false, "\nUpdate progress: 0%"},
        {mixed, "x", false, "a\nb\nc\nd\ne\nf\ng\nx"},
        // The kind decides, not the words: a translated progress line is replaced, and a line
        // that only reads like one (a release note, say) stays.
        {"a\n更新进度：5%", "更新进度：10%", true, "a\n更新进度：10%"},
        {"a\nUpdate progress: 5%", "Update progress: 6%", false,
         "a\nUpdate progress: 5%\nUpdate progress: 6%"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(textWithLastInfoLineReplaced(c.text, c.line, c.lastIsProgress), c.expected);
    }
}
