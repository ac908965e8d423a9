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

TEST(InfoLog, ProgressLineIsAddedOnceThenOverwritten)
{
    QString text = "Starting firmware transfer...";
    text = textWithLastInfoLineReplaced(text, "Update progress: 5%");
    EXPECT_EQ(text, "Starting firmware transfer...\nUpdate progress: 5%");
    text = textWithLastInfoLineReplaced(text, "Update progress: 10%");
    EXPECT_EQ(text, "Starting firmware transfer...\nUpdate progress: 10%");
}

TEST(InfoLog, OnlyTheExactCaseSensitivePrefixCounts)
{
    EXPECT_EQ(textWithLastInfoLineReplaced("a\nUpdate progress:", "Update progress: 0%"),
              "a\nUpdate progress: 0%");
    EXPECT_EQ(textWithLastInfoLineReplaced("a\nupdate progress: 5%", "Update progress: 10%"),
              "a\nupdate progress: 5%\nUpdate progress: 10%");
    // A progress line that is not the last line is left alone.
    EXPECT_EQ(textWithLastInfoLineReplaced("Update progress: 5%\nUpdate failed: x", "new"),
              "Update progress: 5%\nUpdate failed: x\nnew");
}

TEST(InfoLog, EmptyTextAndTrailingLineFeedCountAsAnEmptyLastLine)
{
    EXPECT_EQ(textWithLastInfoLineReplaced(QString(), "Update progress: 0%"),
              "\nUpdate progress: 0%");
    EXPECT_EQ(textWithLastInfoLineReplaced("a\n", "x"), "a\n\nx");
}

TEST(InfoLog, EveryNewlineCharacterBecomesALineFeed)
{
    EXPECT_EQ(textWithLastInfoLineReplaced("a\r\nb", "x"), "a\n\nb\nx");
    EXPECT_EQ(textWithLastInfoLineReplaced("a\r\nUpdate progress: 5%", "Update progress: 10%"),
              "a\n\nUpdate progress: 10%");
    const QString mixed = QString("a") + QChar(0x0B) + "b" + QChar(0x0C) + "c" + QChar(0x85) + "d" +
                          QChar(0x2028) + "e" + QChar(0x2029) + "f\rg";
    EXPECT_EQ(textWithLastInfoLineReplaced(mixed, "x"), "a\nb\nc\nd\ne\nf\ng\nx");
}

TEST(ProgressFilter, PassesEachMultipleOfFiveOnce)
{
    ProgressFilter filter;
    std::vector<int> shown;
    for (int p : {0, 6, 12, 18, 25, 31, 37, 43, 50, 56, 62, 68, 75, 81, 87, 93, 100}) {
        if (auto value = filter.accept(p)) {
            shown.push_back(*value);
        }
    }
    EXPECT_EQ(shown, (std::vector<int>{0, 25, 50, 75, 100}));
}

TEST(ProgressFilter, RepeatsAreDroppedButAValueMayComeBackAfterAnother)
{
    ProgressFilter filter;
    EXPECT_EQ(filter.accept(0), 0);
    EXPECT_EQ(filter.accept(0), std::nullopt);
    EXPECT_EQ(filter.accept(1), std::nullopt);
    EXPECT_EQ(filter.accept(1), std::nullopt);
    EXPECT_EQ(filter.accept(5), 5);
    EXPECT_EQ(filter.accept(5), std::nullopt);
    EXPECT_EQ(filter.accept(100), 100);
}

TEST(ProgressFilter, AtMostTwentyOneValuesForALongTransfer)
{
    ProgressFilter filter;
    int shown = 0;
    const int reports = 1024;
    shown += filter.accept(0).has_value();
    for (int r = 1; r <= reports; ++r) {
        shown += filter.accept(r * 100 / reports).has_value();
    }
    EXPECT_EQ(shown, 21);
}
