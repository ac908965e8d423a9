#include "InfoLog.h"

#include "ProgressFilter.h"

#include <gtest/gtest.h>
#include <vector>

TEST(InfoLog, AppendJoinsWithOneLineFeedAndTrimsNothing)
{
    EXPECT_EQ(appendedInfoText(QString(), "first"), "first");
    EXPECT_EQ(appendedInfoText("first", "second"), "first\nsecond");
    EXPECT_EQ(appendedInfoText("notes", "\nPreparing"), "notes\n\nPreparing");
    EXPECT_EQ(appendedInfoText("ends\n", "next"), "ends\n\nnext");
}

TEST(InfoLog, ReplaceOverwritesOnlyALastProgressLine)
{
    const QString mixed = QString("a") + QChar(0x0B) + "b" + QChar(0x0C) + "c" + QChar(0x85) + "d" +
                          QChar(0x2028) + "e" + QChar(0x2029) + "f\rg";
    const struct
    {
        QString text, line, expected;
    } cases[] = {
        {"Starting...", "Update progress: 5%", "Starting...\nUpdate progress: 5%"},
        {"Starting...\nUpdate progress: 5%", "Update progress: 10%",
         "Starting...\nUpdate progress: 10%"},
        {"a\nUpdate progress:", "Update progress: 0%", "a\nUpdate progress: 0%"},
        {"a\nupdate progress: 5%", "x", "a\nupdate progress: 5%\nx"},
        {"Update progress: 5%\nUpdate failed: x", "y", "Update progress: 5%\nUpdate failed: x\ny"},
        {QString(), "Update progress: 0%", "\nUpdate progress: 0%"},
        {"a\n", "x", "a\n\nx"},
        {"a\r\nb", "x", "a\n\nb\nx"},
        {"a\r\nUpdate progress: 5%", "Update progress: 10%", "a\n\nUpdate progress: 10%"},
        {mixed, "x", "a\nb\nc\nd\ne\nf\ng\nx"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(textWithLastInfoLineReplaced(c.text, c.line), c.expected);
    }
}

TEST(ProgressFilter, PassesEachMultipleOfFiveOnce)
{
    ProgressFilter filter;
    std::vector<int> shown;
    for (int p : {0, 0, 6, 12, 18, 25, 25, 31, 37, 43, 50, 56, 62, 68, 75, 81, 87, 93, 100}) {
        if (const auto value = filter.accept(p)) {
            shown.push_back(*value);
        }
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 25, 50, 75, 100}));
}
