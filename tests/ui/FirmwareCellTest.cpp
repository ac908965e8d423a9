#include "FirmwareCell.h"

#include "ImageProbe.h"

#include <gtest/gtest.h>

namespace {

const QString title = QStringLiteral("MORVANE K2  V1.2.0");
const QString detail = QStringLiteral("Copyright MORVANE Technology");

QImage render(const QString &titleText, const QString &detailText)
{
    auto *item = new QStandardItem(titleText);
    item->setData(detailText, FirmwareCell::DetailRole);
    return ImageProbe::renderCell(FirmwareCell(), item, {335, 50});
}

} // namespace

TEST(FirmwareCellTest, DarkTitleAboveGreyDetailCentredInA50PixelRow)
{
    EXPECT_EQ(FirmwareCell().sizeHint({}, {}).height(), 50);
    const QImage titleOnly = render(title, {});
    const QImage detailOnly = render({}, detail);
    const QRect titleInk = ImageProbe::inkBounds(titleOnly, 200);
    const QRect detailInk = ImageProbe::inkBounds(detailOnly, 200);
    EXPECT_LT(titleInk.bottom(), detailInk.top());
    EXPECT_GE(std::min(titleInk.left(), detailInk.left()), 5);
    EXPECT_LE(std::max(titleInk.left(), detailInk.left()), 8);
    EXPECT_NEAR((titleInk | detailInk).center().y(), 25, 4);
    EXPECT_NEAR(ImageProbe::darkest(titleOnly), 31, 1);
    EXPECT_GE(ImageProbe::darkest(detailOnly), 119);
    EXPECT_LE(ImageProbe::darkest(detailOnly), 140);
    // Only title ink is darker than 80: an empty detail leaves the title where it was.
    EXPECT_EQ(ImageProbe::inkBounds(render(title, detail), 80),
              ImageProbe::inkBounds(titleOnly, 80));
}

TEST(FirmwareCellTest, LongLinesEndInAnEllipsisInsideTheCell)
{
    const QString longer =
        QStringLiteral(" Extended Edition Co., Ltd. All rights reserved worldwide");
    EXPECT_LT(ImageProbe::inkBounds(render(title + longer, detail + longer), 200).right(), 330);
}
